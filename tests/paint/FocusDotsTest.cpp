#include "paint/FocusDots.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

TEST(DrawDottedFocus, BlackEveryThirdPixelWithWhiteUpAndLeft) {
  PixelBuffer b = test::Filled(10, 8, 0x808080);
  DrawDottedFocus(b, {2, 2, 8, 5});
  const std::set<std::pair<int, int>> black = {{2, 2}, {5, 2}, {8, 2},
                                               {2, 5}, {5, 5}, {8, 5}};
  const std::set<std::pair<int, int>> white = {{1, 1}, {4, 1}, {7, 1},
                                               {1, 4}, {4, 4}, {7, 4}};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const TColor expect = black.count({x, y})   ? 0x000000
                            : white.count({x, y}) ? 0xFFFFFF
                                                  : 0x808080;
      EXPECT_EQ(b.GetColor(x, y), expect) << x << "," << y;
    }
}

TEST(DrawDottedFocus, RectanglesAtOrBeyondTheEdgesStayInside) {
  PixelBuffer b = test::Filled(5, 5, 0x808080);
  const PixelRect rects[] = {{0, 0, 5, 5},   {-1, -1, 5, 5},     {4, 4, 9, 9},
                             {-7, 2, 3, 40}, {5, 5, 1, 1},       {0, 0, 0, 0},
                             {INT_MIN, INT_MIN, INT_MAX, INT_MAX}};
  for (const PixelRect& r : rects) DrawDottedFocus(b, r);
  // A white companion of a dot at the left edge would lie at column -1.
  DrawDottedFocus(b, {0, 1, 3, 4});
  EXPECT_EQ(b.GetColor(0, 1), 0x000000u);
}

}  // namespace
}  // namespace folvane
