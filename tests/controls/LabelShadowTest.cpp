// The shadow label's extents, blur mask and composition.
#include <gtest/gtest.h>

#include "controls/LabelShadow.h"

using namespace folvane;

namespace {

TEST(LabelShadow, ExtentsOfBlurAndDistance) {
  const struct {
    int distance, blur, before, after;
  } cases[] = {{1, 4, -3, 5}, {1, 2, -1, 3}, {0, 0, 0, 0}, {3, 1, 0, 4}, {-2, 1, -3, 0}};
  for (const auto& c : cases) {
    const ShadowExtents e = MeasureShadowExtents(c.distance, c.blur);
    EXPECT_EQ(e.Before, c.before) << c.distance << "/" << c.blur;
    EXPECT_EQ(e.After, c.after) << c.distance << "/" << c.blur;
  }
  // An auto-sized label with blur 4 and distance 1 is 8 pixels larger.
  const ShadowExtents e = MeasureShadowExtents(1, 4);
  EXPECT_EQ(e.After - e.Before, 8);
}

// The in-place pass, computed by hand for one lit pixel.
TEST(LabelShadow, OnePassBlursInPlaceFromTheTopLeft) {
  PixelBuffer text(3, 3, PixelFormat::Bgr24);
  text.SetColor(1, 1, 0xFFFFFF);
  ShadowMask mask;
  mask.Build(text, 1);
  // Row by row, left to right, each byte the mean of its four neighbours,
  // the upper and left ones already of this pass.
  const int expected[3][3] = {{0, 63, 15}, {63, 31, 11}, {15, 11, 5}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(mask.At(x, y), expected[y][x]) << x << "," << y;
}

TEST(LabelShadow, TextIsMarkedAgainOnEveryPassAndMasksAreReused) {
  PixelBuffer text(8, 5, PixelFormat::Bgra32);
  for (int x = 2; x < 6; ++x) text.SetColor(x, 2, 0xFFFFFF);
  ShadowMask mask;
  mask.Build(text, 3);
  // Under the text the mask stays high; it falls off away from it.
  EXPECT_GT(mask.At(3, 2), mask.At(3, 0));
  EXPECT_GT(mask.At(3, 1), 0);
  EXPECT_EQ(mask.At(7, 4) <= mask.At(6, 3), true);
  // A smaller build afterwards starts from a clean buffer.
  PixelBuffer dark(2, 2, PixelFormat::Bgr24);
  mask.Build(dark, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(mask.At(x, y), 0);
}

TEST(LabelShadow, CompositionMixesBehindAndShadowByTheMask) {
  PixelBuffer text(2, 1, PixelFormat::Bgr24);
  text.SetColor(0, 0, 0xFFFFFF);
  ShadowMask mask;
  mask.Build(text, 1);
  const int m0 = mask.At(0, 0), m1 = mask.At(1, 0);
  PixelBuffer behind(2, 1, PixelFormat::Bgr24);
  behind.SetColor(0, 0, 0x204060);
  behind.SetColor(1, 0, 0x204060);
  const TColor shadow = 0x454545;
  ComposeShadow(behind, mask, shadow);
  auto mix = [](int own, int s, int m) { return (own * (255 - m) + s * m) >> 8; };
  EXPECT_EQ(behind.GetColor(0, 0), static_cast<TColor>(mix(0x60, 0x45, m0) |
                                                       mix(0x40, 0x45, m0) << 8 |
                                                       mix(0x20, 0x45, m0) << 16));
  EXPECT_EQ(behind.GetColor(1, 0) & 0xFF, static_cast<TColor>(mix(0x60, 0x45, m1)));

  PixelBuffer opaque(2, 1, PixelFormat::Bgr24);
  ComposeShadowOverColor(opaque, mask, shadow, 0x0000FF);
  EXPECT_EQ(opaque.GetColor(1, 0) & 0xFF, static_cast<TColor>(mix(0xFF, 0x45, m1)));
  EXPECT_EQ((opaque.GetColor(1, 0) >> 16) & 0xFF, static_cast<TColor>(mix(0, 0x45, m1)));
}

}  // namespace
