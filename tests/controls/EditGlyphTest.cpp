// The browse button's glyph through its masks, and the idle blend.
#include "controls/EditGlyph.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

// Three 2 x 1 state images (colours 10, 20, 30 in every channel) above
// their masks: the first pixel of each opaque, the second half, except the
// pressed image whose second pixel is transparent.
PixelBuffer StripGlyph() {
  PixelBuffer g(6, 2, PixelFormat::Bgr24);
  for (int i = 0; i < 3; ++i) {
    const TColor c = static_cast<TColor>(0x0A0A0A * (i + 1));
    g.SetColor(2 * i, 0, c);
    g.SetColor(2 * i + 1, 0, c);
    g.SetColor(2 * i, 1, 0x000000);
    g.SetColor(2 * i + 1, 1, i == 2 ? 0xFFFFFF : 0x808080);
  }
  return g;
}

TEST(EditGlyph, StateImageThroughItsMask) {
  const PixelBuffer glyph = StripGlyph();
  for (int image = 0; image < 3; ++image) {
    SCOPED_TRACE(image);
    PixelBuffer face(4, 3, PixelFormat::Bgr24);
    face.Fill(0xC8C8C8);
    DrawEditGlyph(face, {1, 1}, glyph, image, 2, 1);
    const int y = 10 * (image + 1);
    EXPECT_EQ(face.GetColor(1, 1) & 0xFF, y);
    // ((200 - y) * m + y * 256) >> 8
    const int m = image == 2 ? 255 : 128;
    EXPECT_EQ(static_cast<int>(face.GetColor(2, 1) & 0xFF), ((200 - y) * m + y * 256) >> 8);
    EXPECT_EQ(face.GetColor(0, 1), 0xC8C8C8u);
    EXPECT_EQ(face.GetColor(1, 0), 0xC8C8C8u);
  }
}

TEST(EditGlyph, ClipsAtEveryEdge) {
  const PixelBuffer glyph = StripGlyph();
  PixelBuffer face(2, 1, PixelFormat::Bgr24);
  face.Fill(0xFFFFFF);
  DrawEditGlyph(face, {-1, 0}, glyph, 0, 2, 1);
  EXPECT_EQ(face.GetColor(0, 0) & 0xFF, ((255 - 10) * 128 + 10 * 256) >> 8);
  DrawEditGlyph(face, {5, 5}, glyph, 0, 2, 1);
  DrawEditGlyph(face, {0, 0}, glyph, 7, 2, 1);  // no such image
  DrawEditGlyph(face, {0, 0}, PixelBuffer(), 0, 2, 1);
}

TEST(EditGlyph, BlendFactor) {
  EXPECT_EQ(GlyphBlendFactor(0), 0);
  EXPECT_EQ(GlyphBlendFactor(10), 26);
  EXPECT_EQ(GlyphBlendFactor(50), 128);
  EXPECT_EQ(GlyphBlendFactor(99), 253);
  EXPECT_EQ(GlyphBlendFactor(100), 0);  // 256 keeps its low byte
}

TEST(EditGlyph, BlendMixesWithThePlainBackground) {
  PixelBuffer glyph(1, 1, PixelFormat::Bgr24), plain(1, 1, PixelFormat::Bgr24);
  plain.Fill(0xC8C8C8);
  const struct {
    int blend;
    int want;
  } cases[] = {{0, 0}, {50, (0 * 128 + 200 * 127 + 127) / 256}, {100, (200 * 255 + 127) / 256}};
  for (const auto& c : cases) {
    glyph.Fill(0x000000);
    BlendEditGlyph(glyph, plain, c.blend);
    EXPECT_EQ(static_cast<int>(glyph.GetColor(0, 0) & 0xFF), c.want) << c.blend;
  }
}

}  // namespace
}  // namespace folvane
