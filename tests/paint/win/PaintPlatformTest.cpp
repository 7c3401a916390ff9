// The platform's drawing as skin painting uses it, on real GDI: stretched
// pieces, triangle gradients and clipped pictures, compared with a
// tolerance where the platform interpolates.

#include "paint/PaintPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "paint/PaintGradient.h"
#include "paint/PaintTexture.h"
#include "support/NoHandleLeaks.h"

namespace folvane {
namespace {

constexpr TColor D = 0x0D0D0D;

PixelBuffer Filled(int w, int h, TColor c) {
  PixelBuffer b(w, h, PixelFormat::Bgr24);
  b.Fill(c);
  return b;
}

bool Near(TColor a, TColor b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) >
        tolerance)
      return false;
  return true;
}

class GdiPlatform : public test::NoHandleLeaks {};

TEST_F(GdiPlatform, StretchFillsTheDestinationRectangleOnly) {
  PixelBuffer source = Filled(4, 4, 0x000000);
  for (int y = 0; y < 4; ++y) source.SetColor(1, y, 0x3366CC), source.SetColor(2, y, 0x3366CC);
  PixelBuffer dest = Filled(30, 20, D);
  // The uniform middle columns of the source stretched over 20 x 10.
  SystemPaintPlatform().StretchHalftone(dest, {5, 5, 25, 15}, source, {1, 0, 3, 4});
  EXPECT_TRUE(Near(dest.GetColor(5, 5), 0x3366CC, 8));
  EXPECT_TRUE(Near(dest.GetColor(24, 14), 0x3366CC, 8));
  EXPECT_EQ(dest.GetColor(4, 5), D);
  EXPECT_EQ(dest.GetColor(25, 14), D);
  EXPECT_EQ(dest.GetColor(10, 15), D);
  // Partly outside the destination: clipped, no fault.
  SystemPaintPlatform().StretchHalftone(dest, {-10, -10, 8, 8}, source, {1, 0, 3, 4});
  EXPECT_TRUE(Near(dest.GetColor(0, 0), 0x3366CC, 8));
}

TEST_F(GdiPlatform, SingleSegmentTriangleGradientFillsTheRectangle) {
  PixelBuffer b = Filled(30, 20, D);
  PaintGradient(b, {2, 3, 22, 13}, {{0x2040C0, 0x2040C0, 100, 2}});
  EXPECT_TRUE(Near(b.GetColor(2, 3), 0x2040C0, 2));
  EXPECT_TRUE(Near(b.GetColor(12, 8), 0x2040C0, 2));
  EXPECT_TRUE(Near(b.GetColor(20, 11), 0x2040C0, 2));
  EXPECT_EQ(b.GetColor(23, 8), D);
  EXPECT_EQ(b.GetColor(12, 14), D);
}

TEST_F(GdiPlatform, TriangleGradientShadesBetweenVertexColours) {
  PixelBuffer b = Filled(41, 41, D);
  // Corners black, centre white: the middle of the rectangle is white and
  // the colour falls towards the corners.
  PaintGradient(b, {0, 0, 40, 40}, {{0x000000, 0, 0, 2}, {0xFFFFFF, 0, 0, 2},
                                     {0x000000, 0, 0, 2}, {0x000000, 0, 0, 2},
                                     {0x000000, 0, 0, 2}});
  EXPECT_TRUE(Near(b.GetColor(20, 20), 0xFFFFFF, 16));
  EXPECT_TRUE(Near(b.GetColor(1, 1), 0x000000, 24));
  EXPECT_TRUE(Near(b.GetColor(20, 10), 0x808080, 24));
}

TEST_F(GdiPlatform, PicturePatternIsTiledAndClipped) {
  TsPatternData pattern;
  pattern.Image = Filled(3, 2, 0x111111);
  pattern.Image.SetColor(2, 1, 0x777777);
  PixelBuffer b = Filled(12, 10, D);
  PaintTexture(b, {1, 1, 9, 8}, &pattern, 0, nullptr);
  EXPECT_EQ(b.GetColor(1, 1), 0x111111u);
  EXPECT_EQ(b.GetColor(3, 2), 0x777777u);
  EXPECT_EQ(b.GetColor(6, 6), 0x777777u);
  EXPECT_EQ(b.GetColor(8, 7), 0x111111u);
  EXPECT_EQ(b.GetColor(9, 7), D);
  EXPECT_EQ(b.GetColor(8, 8), D);
}

}  // namespace
}  // namespace folvane
