#include "paint/PaintColor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace folvane {
namespace {

TEST(PaintColor, RoundsHalvesToEven) {
  const struct { double in, out; } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {127.5, 128}, {254.5, 254}, {253.5, 254},
      {0.49999999, 0}, {0.50000001, 1}, {-0.5, 0}, {-1.5, -2}, {3.0, 3}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(PaintColor, RoundToByteKeepsChannelRange) {
  EXPECT_EQ(RoundToByte(255.4), 255);
  EXPECT_EQ(RoundToByte(300), 255);
  EXPECT_EQ(RoundToByte(-3), 0);
  EXPECT_EQ(RoundToByte(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(PaintColor, LerpColorsRoundsEachChannelAndKeepsTheFirstTopByte) {
  // Channels a = (1, 2, 200), b = (2, 3, 100): halves at 0.5 go to even.
  const TColor a = 0x7FC80201, b = 0x00640302;
  EXPECT_EQ(LerpColors(a, b, 0.5), 0x7F960202u);
  EXPECT_EQ(LerpColors(a, b, 1.0), a);
  EXPECT_EQ(LerpColors(a, b, 0.0), 0x7F640302u);
  // 40 % text colour, 60 % background: 0.4 * 255 = 102.
  EXPECT_EQ(LerpColors(0xFFFFFF, 0x000000, 0.4), 0x666666u);
  // Fractions outside 0..1 are kept to the ends.
  EXPECT_EQ(LerpColors(0x0000FF, 0x000000, 7.0), 0x0000FFu);
  EXPECT_EQ(LerpColors(0x0000FF, 0x000000, -1.0), 0u);
}

TEST(PaintColor, ConvertsSystemColourCodesOnly) {
  EXPECT_EQ(ConvertColor(0x123456), 0x123456u);
  EXPECT_EQ(ConvertColor(KeyColor), KeyColor);
  EXPECT_EQ(ConvertColor(NoColor), NoColor);
  EXPECT_EQ(ConvertColor(0xFF00000F), SystemColor(15));
  EXPECT_EQ(ConvertColor(0xFF00000F) & 0xFF000000u, 0u);
  EXPECT_EQ(ClampPercent(-5), 0);
  EXPECT_EQ(ClampPercent(140), 100);
}

}  // namespace
}  // namespace folvane
