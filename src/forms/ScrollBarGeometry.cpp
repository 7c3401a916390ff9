#include "forms/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace folvane {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t q = c;
  const std::int64_t absP = p < 0 ? -p : p, absQ = q < 0 ? -q : q;
  std::int64_t r = (absP + absQ / 2) / absQ;
  if ((p < 0) != (q < 0)) r = -r;
  return static_cast<int>(std::clamp<std::int64_t>(r, INT32_MIN, INT32_MAX));
}

namespace {

// The number of positions of the range; 64-bit so that a full int range
// does not wrap.
std::int64_t Positions(const ScrollRange& r) {
  return static_cast<std::int64_t>(r.Max) - r.Min + 1;
}

int ToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, INT32_MAX)); }

}  // namespace

ThumbPlace PlaceThumb(int barLength, int arrow, int minThumb, const ScrollRange& range) {
  ThumbPlace t;
  const int track = barLength - 2 * arrow;
  if (track <= 0) return t;
  const std::int64_t n = Positions(range);
  if (range.Page == 0) {
    t.Size = arrow;
  } else if (n > 0) {
    t.Size = std::max(MulDivRound(ToInt(range.Page), track, ToInt(n)), minThumb);
  }
  const bool fits = t.Size <= track;
  t.Size = std::min(t.Size, track);  // a page beyond the range fills the track, no more
  const std::int64_t page = std::max<std::int64_t>(range.Page, 1);
  // A page at least as large as the range leaves the thumb nowhere to go:
  // it stays at the start instead of dividing by the empty remainder.
  const std::int64_t movable = n - page;
  int offset = 0;
  if (n > 0 && movable > 0 && track > t.Size) {
    const std::int64_t from = std::clamp<std::int64_t>(range.Pos - static_cast<std::int64_t>(range.Min),
                                                       0, movable);
    offset = MulDivRound(ToInt(from), track - t.Size, ToInt(movable));
  }
  t.Start = arrow + std::clamp(offset, 0, std::max(track - t.Size, 0));
  t.Drawn = t.Size > 0 && fits && movable > 0;
  return t;
}

int FittedArrow(int barLength, int arrow) {
  return 2 * arrow < barLength ? arrow : std::max(barLength / 2, 0);
}

ScrollPart PartAt(int along, int barLength, int arrow, const ThumbPlace& thumb) {
  if (along < 0 || along >= barLength) return kPartNone;
  const int a = FittedArrow(barLength, arrow);
  if (along < a) return kPartFirstArrow;
  if (along >= barLength - a) return kPartSecondArrow;
  const int track = barLength - 2 * a;
  if (!thumb.Drawn || thumb.Size >= track) return kPartNone;
  if (along < thumb.Start) return kPartTrackBefore;
  if (along < thumb.Start + thumb.Size) return kPartThumb;
  return kPartTrackAfter;
}

int DraggedPosition(int thumbOffset, int trackLength, int thumbSize, const ScrollRange& range) {
  const std::int64_t page = std::max<std::int64_t>(range.Page, 1);
  const std::int64_t steps = std::max<std::int64_t>(Positions(range) - page, 0);
  const int room = trackLength - thumbSize;
  const int offset = std::clamp(thumbOffset, 0, std::max(room, 0));
  std::int64_t from = room > 0 ? MulDivRound(offset, ToInt(steps), room) : 0;
  if (range.Max - static_cast<std::int64_t>(range.Min) < 1) from = offset;
  from = std::clamp<std::int64_t>(from, 0, steps);
  // Counted from the minimum: a range that starts above zero ends where
  // its last page begins, not short of it.
  return static_cast<int>(range.Min + from);
}

}  // namespace folvane
