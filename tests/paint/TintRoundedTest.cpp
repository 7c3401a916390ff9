#include "paint/TintRounded.h"

#include <gtest/gtest.h>

#include "paint/PaintColor.h"
#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

using test::Filled;

constexpr TColor Grey(int v) { return static_cast<TColor>(v) * 0x010101u; }

TEST(TintRounded, SixtyPercentWithoutRadiusOrBlurDimsTheWholeRectangle) {
  // Level 60 * 255 div 100 = 153 everywhere: (200 * 153 + 0 * 103) >> 8.
  PixelBuffer b = Filled(6, 4, Grey(200));
  TintRounded(b, {1, 1, 5, 3}, 60, 0, 0, 0x000000);
  EXPECT_EQ(b.GetColor(1, 1), Grey(119));
  EXPECT_EQ(b.GetColor(4, 2), Grey(119));
  EXPECT_EQ(b.GetColor(0, 0), Grey(200));
  EXPECT_EQ(b.GetColor(5, 3), Grey(200));  // exclusive right and bottom
}

TEST(TintRounded, BlurRingsFadeFromTheImageToTheLevel) {
  // Percent 0, blur 2: ring 0 white (255), ring 1 Round(255 / 3 * 1) = 85,
  // the rest level 0 (pure colour).
  PixelBuffer b = Filled(10, 10, Grey(255));
  TintRounded(b, {0, 0, 10, 10}, 0, 0, 2, 0x000000);
  EXPECT_EQ(b.GetColor(0, 5), Grey(254));
  EXPECT_EQ(b.GetColor(1, 5), Grey(84));
  EXPECT_EQ(b.GetColor(2, 5), Grey(0));
  EXPECT_EQ(b.GetColor(9, 9), Grey(254));
}

TEST(TintRounded, RoundedCornersTakeTheColour) {
  PixelBuffer b = Filled(10, 10, Grey(255));
  TintRounded(b, {0, 0, 10, 10}, 100, 4, 0, 0x000000);
  EXPECT_EQ(b.GetColor(0, 0), Grey(0));    // outside the corner circle
  EXPECT_EQ(b.GetColor(9, 9), Grey(0));
  EXPECT_EQ(b.GetColor(2, 0), Grey(254));  // first pixel inside on row 0
  EXPECT_EQ(b.GetColor(7, 0), Grey(254));
  EXPECT_EQ(b.GetColor(8, 0), Grey(0));
  EXPECT_EQ(b.GetColor(5, 5), Grey(254));
}

TEST(TintRounded, OutOfRangeArgumentsAreKeptInRange) {
  PixelBuffer b = Filled(4, 4, Grey(200));
  TintRounded(b, {-10, -10, 100, 100}, 400, 1000, 1000, 0);  // clamped: keeps all
  EXPECT_EQ(b.GetColor(2, 2), Grey(199));
  TintRounded(b, {3, 3, 1, 1}, 0, 0, 0, 0);  // inverted: nothing
  EXPECT_EQ(b.GetColor(2, 2), Grey(199));
}

}  // namespace
}  // namespace folvane
