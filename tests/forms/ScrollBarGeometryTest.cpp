// Thumb size and place, hit parts and dragged positions of skinned scroll
// bars, including ranges that start above zero and pages larger than the
// range.
#include "forms/ScrollBarGeometry.h"

#include <gtest/gtest.h>

using namespace folvane;

TEST(ScrollBarGeometry, MulDivRoundsToNearestHalvesAwayFromZero) {
  EXPECT_EQ(MulDivRound(10, 168, 100), 17);
  EXPECT_EQ(MulDivRound(1, 1, 2), 1);
  EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRound(5, 3, 0), -1);
  EXPECT_EQ(MulDivRound(0x7FFFFFFF, 2, 2), 0x7FFFFFFF);
}

TEST(ScrollBarGeometry, ThumbSizeAndPlace) {
  struct Case {
    int bar, arrow;
    ScrollRange range;
    int size, start;
    bool drawn;
  };
  const Case cases[] = {
      // a page of 10 over 0..99 on 200 pixels with 16-pixel arrows
      {200, 16, {0, 99, 10, 0}, 17, 16, true},
      {200, 16, {0, 99, 10, 90}, 17, 200 - 16 - 17, true},
      {200, 16, {0, 99, 10, 45}, 17, 16 + 76, true},
      // no page: as long as an arrow
      {200, 16, {0, 99, 0, 0}, 16, 16, true},
      // tiny page: raised to the smallest thumb
      {200, 16, {0, 9999, 1, 0}, 10, 16, true},
      // a range that starts above zero: its minimum is the track's start,
      // its last page the track's end
      {200, 16, {50, 149, 10, 50}, 17, 16, true},
      {200, 16, {50, 149, 10, 140}, 17, 200 - 16 - 17, true},
      {200, 16, {-100, -1, 10, -55}, 17, 16 + 76, true},
      // a page larger than the range: nothing to move, no thumb, no fault
      {200, 16, {0, 9, 50, 5}, 168, 16, false},
      {200, 16, {0, 0, 0, 0}, 16, 16, false},
      // a bar too short for its arrows has no track
      {30, 16, {0, 99, 10, 0}, 0, 0, false},
  };
  for (const Case& c : cases) {
    const ThumbPlace t = PlaceThumb(c.bar, c.arrow, 10, c.range);
    SCOPED_TRACE(testing::Message() << c.range.Min << ".." << c.range.Max << " page "
                                    << c.range.Page << " pos " << c.range.Pos);
    EXPECT_EQ(t.Drawn, c.drawn);
    if (!c.drawn && c.bar < 2 * c.arrow) continue;
    EXPECT_EQ(t.Size, c.size);
    EXPECT_EQ(t.Start, c.start);
  }
}

TEST(ScrollBarGeometry, PartsAlongTheBar) {
  const ThumbPlace thumb = PlaceThumb(200, 16, 10, {0, 99, 10, 45});
  struct Case {
    int along;
    ScrollPart part;
  };
  const Case cases[] = {{-1, kPartNone},       {0, kPartFirstArrow},  {15, kPartFirstArrow},
                        {16, kPartTrackBefore}, {91, kPartTrackBefore}, {92, kPartThumb},
                        {108, kPartThumb},      {109, kPartTrackAfter}, {183, kPartTrackAfter},
                        {184, kPartSecondArrow}, {199, kPartSecondArrow}, {200, kPartNone}};
  for (const Case& c : cases) EXPECT_EQ(PartAt(c.along, 200, 16, thumb), c.part) << c.along;
  // Too short for two arrows: each half is an arrow.
  const ThumbPlace none = PlaceThumb(20, 16, 10, {0, 99, 10, 0});
  EXPECT_EQ(PartAt(9, 20, 16, none), kPartFirstArrow);
  EXPECT_EQ(PartAt(10, 20, 16, none), kPartSecondArrow);
  // A page covering the range: only the arrows answer.
  const ThumbPlace full = PlaceThumb(200, 16, 10, {0, 9, 50, 0});
  EXPECT_EQ(PartAt(100, 200, 16, full), kPartNone);
}

TEST(ScrollBarGeometry, DraggedPositions) {
  const ScrollRange r{0, 99, 10, 0};
  EXPECT_EQ(DraggedPosition(0, 168, 17, r), 0);
  EXPECT_EQ(DraggedPosition(151, 168, 17, r), 90);
  // past the end: the last page, once
  EXPECT_EQ(DraggedPosition(500, 168, 17, r), 90);
  EXPECT_EQ(DraggedPosition(-20, 168, 17, r), 0);
  // a range starting above zero keeps its minimum
  EXPECT_EQ(DraggedPosition(0, 168, 17, {50, 149, 10, 50}), 50);
  EXPECT_EQ(DraggedPosition(151, 168, 17, {50, 149, 10, 50}), 140);
  // no room to move
  EXPECT_EQ(DraggedPosition(30, 168, 168, {0, 9, 50, 0}), 0);
}
