#include "paint/PaintGlyph.h"

#include <gtest/gtest.h>

#include "paint/PaintTestSupport.h"
#include "paint/SkinFixture.h"

namespace folvane {
namespace {

using test::Entry;
using test::Filled;
using test::Src;

constexpr TColor D = 0x0D0D0D;

// Three 4 x 4 glyphs without a mask at (0, 0), three with a grey mask at
// (12, 0) (images in rows 0-3, masks of 128 in rows 4-7).
class Glyphs : public testing::Test {
 protected:
  Glyphs() {
    SkinContents c;
    c.MasterBitmap = test::NumberedMaster(40, 20);
    c.MasterBitmap.SetColor(4, 0, KeyColor);  // first pixel of unmasked state 1
    for (int y = 4; y < 8; ++y)
      for (int x = 12; x < 24; ++x) c.MasterBitmap.SetColor(x, y, 0x808080);
    c.Masks.push_back(Entry("G", "PLAIN", {0, 0, 12, 4}, 3, 0, 0, 0, 0, 0, 0, itisaGlyph));
    c.Masks.push_back(Entry("G", "MASKED", {12, 0, 24, 8}, 3, 1, 0, 0, 0, 0, 0, itisaGlyph));
    model = test::ModelOf(std::move(c));
  }
  const TsMaskData& Plain() const { return *model->Mask(0); }
  const TsMaskData& Masked() const { return *model->Mask(1); }
  std::unique_ptr<SkinModel> model;
};

TEST_F(Glyphs, UnmaskedNormalCopiesOverTheBackground) {
  PixelBuffer parent = test::NumberedMaster(20, 20);
  PixelBuffer b = Filled(10, 10, D);
  PaintGlyph(b, {2, 3}, 1, BitmapBackground(parent, 5, 1), Plain(), kGlyphNormal);
  EXPECT_EQ(b.GetColor(2, 3), Src(7, 4));  // key: the parent at (2 + 5, 3 + 1)
  EXPECT_EQ(b.GetColor(3, 3), Src(5, 0));
  EXPECT_EQ(b.GetColor(5, 6), Src(7, 3));
  EXPECT_EQ(b.GetColor(6, 6), D);
  // A negative point skips leading columns and rows.
  PixelBuffer c = Filled(10, 10, D);
  PaintGlyph(c, {-1, -2}, 1, ColorBackground(0), Plain(), kGlyphNormal);
  EXPECT_EQ(c.GetColor(0, 0), Src(5, 2));
  EXPECT_EQ(c.GetColor(3, 0), D);
}

TEST_F(Glyphs, UnmaskedFadedBlendsHalfAndHalfSkippingKeys) {
  PixelBuffer b = Filled(10, 10, D);
  PaintGlyph(b, {0, 0}, 1, ColorBackground(0), Plain(), kGlyphFaded);
  EXPECT_EQ(b.GetColor(0, 0), D);  // key
  // Src(5, 0) = RGB(5, 0, 7) over 13: 9, 6.5 -> 6, 10.
  EXPECT_EQ(b.GetColor(1, 0), RgbColor(9, 6, 10));
}

TEST_F(Glyphs, MaskedBlendsThroughTheMaskAndFadesByLiftingIt) {
  PixelBuffer normal = Filled(10, 10, D), faded = Filled(10, 10, D);
  PaintGlyph(normal, {0, 0}, 0, ColorBackground(0), Masked(), kGlyphNormal);
  PaintGlyph(faded, {0, 0}, 0, ColorBackground(0), Masked(), kGlyphFaded);
  // Image Src(13, 0) = RGB(13, 0, 7) over 13 with m = 128: (d + s) / 2.
  EXPECT_EQ(normal.GetColor(1, 0), RgbColor(13, 6, 10));
  // m = 228: (13 * 228 + s * 28) >> 8.
  EXPECT_EQ(faded.GetColor(1, 0), RgbColor(13, 11, 12));
  EXPECT_EQ(normal.GetColor(4, 0), D);
}

TEST(GlyphOwnPicture, CopiedWithoutMaskKeyPixelsLeftAlone) {
  TsMaskData m = Entry("G", "OWN", {0, 0, 8, 2}, 2, 0, 0, 0, 0, 0, 0, itisaGlyph);
  m.Image = test::NumberedMaster(8, 2);
  m.Image.SetColor(5, 0, KeyColor);
  PixelBuffer b = Filled(6, 6, D);
  PaintGlyph(b, {1, 1}, 1, ColorBackground(0x123456), m, kGlyphFaded);
  EXPECT_EQ(b.GetColor(1, 1), Src(4, 0));
  EXPECT_EQ(b.GetColor(2, 1), D);
  EXPECT_EQ(b.GetColor(4, 2), Src(7, 1));
  EXPECT_EQ(b.GetColor(5, 2), D);
}

TEST_F(Glyphs, NothingWithoutImagesOrSource) {
  PixelBuffer b = Filled(6, 6, D);
  TsMaskData none = Entry("G", "X", {0, 0, 12, 4}, 0, 0, 0, 0, 0, 0);
  none.Manager = model.get();
  PaintGlyph(b, {0, 0}, 0, ColorBackground(0), none, kGlyphNormal);
  none.ImageCount = 3;
  none.Manager = nullptr;
  PaintGlyph(b, {0, 0}, 0, ColorBackground(0), none, kGlyphNormal);
  EXPECT_TRUE(test::SamePixels(b, Filled(6, 6, D)));
}

}  // namespace
}  // namespace folvane
