#pragma once
// Where the parts of a skinned scroll bar lie: arrows, track and thumb
// along one bar, the part under a point, and the scroll position a dragged
// thumb stands for. Plain arithmetic over the bar's length and the
// window's scroll range; all lengths in pixels along the bar.

namespace folvane {

// A window's scroll range as the platform keeps it (SCROLLINFO).
struct ScrollRange {
  int Min = 0;
  int Max = 0;
  unsigned Page = 0;
  int Pos = 0;
};

// The parts of a bar, also the line/page codes a press sends.
enum ScrollPart {
  kPartNone = -1,
  kPartFirstArrow = 0,
  kPartSecondArrow = 1,
  kPartTrackBefore = 2,
  kPartTrackAfter = 3,
  kPartThumb = 5,
};

// a * b / c rounded to the nearest integer, halves away from zero, as the
// platform's MulDiv; -1 when c is 0.
int MulDivRound(int a, int b, int c);

struct ThumbPlace {
  int Size = 0;
  // From the start of the bar (the first arrow included).
  int Start = 0;
  // A thumb that leaves no room to move (the page covers the range) or has
  // no room in the track is not drawn.
  bool Drawn = false;
};

// `arrow`: the arrow length; `minThumb`: the smallest thumb. The position
// is counted from the range's minimum and the offset stays inside the
// track even when the page is larger than the range.
ThumbPlace PlaceThumb(int barLength, int arrow, int minThumb, const ScrollRange& range);

// The arrow length a bar of `barLength` has room for: half the bar when
// two arrows do not fit.
int FittedArrow(int barLength, int arrow);

// The part at `along` pixels from the bar's start.
ScrollPart PartAt(int along, int barLength, int arrow, const ThumbPlace& thumb);

// The position a thumb dragged to `thumbOffset` pixels into the track
// stands for, from Min up to the last position a full page allows.
int DraggedPosition(int thumbOffset, int trackLength, int thumbSize, const ScrollRange& range);

}  // namespace folvane
