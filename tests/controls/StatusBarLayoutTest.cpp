// Text areas, dividers, text rectangles and the grip of a status bar.
#include <gtest/gtest.h>

#include "controls/StatusBarLayout.h"

using namespace folvane;

namespace {

TEST(StatusBarLayout, SimplePanelIsOneArea) {
  const auto areas = StatusPanelAreas(true, {50, 60}, 418, 19);
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (PixelRect{0, 1, 417, 18}));
  EXPECT_EQ(StatusTextRect(areas[0]), (PixelRect{2, 1, 413, 17}));
}

TEST(StatusBarLayout, PanelsFollowEachOtherTheLastToTheEdge) {
  const auto areas = StatusPanelAreas(false, {100, 50, 30}, 300, 20);
  ASSERT_EQ(areas.size(), 3u);
  EXPECT_EQ(areas[0], (PixelRect{1, 1, 100, 19}));    // 0 .. 101
  EXPECT_EQ(areas[1], (PixelRect{102, 1, 151, 19}));  // 101 .. 152
  EXPECT_EQ(areas[2], (PixelRect{153, 1, 299, 19}));  // 152 .. 300
  EXPECT_EQ(StatusTextRect(areas[1]), (PixelRect{104, 1, 147, 18}));
  // A divider image three pixels wide gives a piece two wide at the edge.
  EXPECT_EQ(StatusDividerRect(areas[0], 3, 20), (PixelRect{99, 1, 101, 19}));
  EXPECT_TRUE(StatusDividerRect(areas[0], 0, 20).IsEmpty());
}

TEST(StatusBarLayout, PanelsBeyondTheBarAreEmptyNotOutside) {
  const auto areas = StatusPanelAreas(false, {200, 200, -5, 10}, 250, 20);
  ASSERT_EQ(areas.size(), 4u);
  for (const PixelRect& a : areas) {
    EXPECT_GE(a.Left, 0);
    EXPECT_LE(a.Right, 250);
  }
  EXPECT_EQ(areas[1], (PixelRect{202, 1, 249, 19}));
}

TEST(StatusBarLayout, GripSitsInsideTheBorder) {
  const PixelPoint plain = StatusGripPosition(418, 19, 0, 12, 12);
  EXPECT_EQ(plain.X, 406);
  EXPECT_EQ(plain.Y, 7);
  const PixelPoint bordered = StatusGripPosition(418, 19, 2, 12, 12);
  EXPECT_EQ(bordered.X, 404);
  EXPECT_EQ(bordered.Y, 5);
}

}  // namespace
