#include "paint/SectionPainting.h"

#include <gtest/gtest.h>

#include "paint/Blends.h"
#include "paint/PaintTestSupport.h"
#include "paint/RecordingPaintPlatform.h"
#include "paint/SkinFixture.h"

namespace folvane {
namespace {

using test::Entry;
using test::Filled;
using test::Src;

constexpr TColor D = 0x0D0D0D;
constexpr TColor kColor = RgbColor(200, 100, 50);
constexpr TColor kHot = RgbColor(10, 20, 30);
constexpr TColor kTexture = RgbColor(40, 80, 120);
constexpr TColor kGradient = RgbColor(100, 100, 100);
constexpr PixelRect kRect{0, 0, 10, 8};

std::uint8_t Channel(TColor c, int ch) { return static_cast<std::uint8_t>(c >> (8 * ch)); }

// Section 0 "BUTTON" with a three-state border (rows 10-15 of the master)
// and a uniform 2 x 2 texture; section 1 "PANEL" with corner images only.
class Sections : public testing::Test {
 protected:
  Sections() {
    SkinContents c;
    c.MasterBitmap = test::NumberedMaster(40, 20);
    for (int y = 0; y < 2; ++y)
      for (int x = 30; x < 32; ++x) c.MasterBitmap.SetColor(x, y, kTexture);
    TsGeneralData button = test::Section("BUTTON", kColor);
    button.HotColor = kHot;
    c.Sections.push_back(button);
    c.Sections.push_back(test::Section("PANEL", kColor));
    c.Masks.push_back(Entry("BUTTON", "BORDERSMASK", {0, 10, 18, 16}, 3, 0, 2, 2, 2, 2));
    c.Masks.push_back(Entry("BUTTON", "PATTERN", {30, 0, 32, 2}, 1, 0, 0, 0, 0, 0, 0, itisaTexture));
    c.Masks.push_back(Entry("PANEL", "IMGTOPLEFT", {34, 10, 36, 12}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph));
    c.Masks.push_back(Entry("PANEL", "IMGBTMRIGHT", {36, 10, 38, 12}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph));
    model = test::ModelOf(std::move(c));
  }
  TsGeneralData& Button() { return const_cast<TsGeneralData&>(*model->Section(0)); }
  void Background(PixelBuffer& b, const BackgroundInfo& bg, int state = 0,
                  TColor custom = KeyColor, PixelPoint offset = {}) {
    PaintSectionBackground(0, "BUTTON", bg, custom, -1, -1, *model, b, offset, kRect, state);
  }
  std::unique_ptr<SkinModel> model;
};

TEST_F(Sections, FullTransparencyShowsExactlyWhatLiesBehind) {
  Button().Transparency = 100;
  Button().ImagePercent = 30;
  PixelBuffer parent = test::NumberedMaster(20, 20);
  PixelBuffer overBitmap = Filled(12, 10, D), overColor = Filled(12, 10, D),
              overNothing = Filled(12, 10, D);
  Background(overBitmap, BitmapBackground(parent, 2, 1), 0, KeyColor, {1, 1});
  Background(overColor, ColorBackground(0x123456));
  Background(overNothing, ColorBackground(KeyColor));
  EXPECT_EQ(overBitmap.GetColor(0, 0), Src(3, 2));
  EXPECT_EQ(overBitmap.GetColor(9, 7), Src(12, 9));
  EXPECT_EQ(overBitmap.GetColor(10, 7), D);
  EXPECT_EQ(overColor.GetColor(5, 5), 0x123456u);
  EXPECT_EQ(overNothing.GetColor(5, 5), KeyColor);  // the parent fills it in later
}

TEST_F(Sections, HalfTransparencyOverABitmapIsTheConstantBlend) {
  Button().Transparency = 50;
  PixelBuffer parent = test::NumberedMaster(20, 20);
  PixelBuffer b = Filled(12, 10, D);
  Background(b, BitmapBackground(parent));
  const TColor behind = Src(4, 3), got = b.GetColor(4, 3);
  for (int ch = 0; ch < 3; ++ch)
    EXPECT_EQ(Channel(got, ch), (Channel(behind, ch) * 127 + Channel(kColor, ch) * 128 + 127) / 256)
        << ch;
}

TEST_F(Sections, TextureAndGradientMixedThenTheColourTakesTheRest) {
  Button().ImagePercent = 30;
  Button().GradientPercent = 30;
  Button().GradientArray = {{kGradient, kGradient, 100, 0}};
  PixelBuffer b = Filled(12, 10, D);
  Background(b, ColorBackground(0x123456));
  const TColor got = b.GetColor(3, 3);
  for (int ch = 0; ch < 3; ++ch) {
    // The texture keeps 30 %: factor 30 * 255 div 100 = 76.
    const int mixed = (Channel(kTexture, ch) * 76 + Channel(kGradient, ch) * 179 + 127) / 256;
    // Image + gradient = 60 %: the colour takes 40 %.
    const int expect = static_cast<int>(RoundHalfEven(0.6 * mixed + 0.4 * Channel(kColor, ch)));
    EXPECT_EQ(Channel(got, ch), expect) << ch;
  }
  EXPECT_EQ(b.GetColor(10, 8), D);  // nothing beside the rectangle
}

TEST_F(Sections, TextureModesLeavingPartsUncoveredFillThemWithTheColour) {
  Button().ImagePercent = 100;
  const_cast<TsMaskData&>(*model->Mask(1)).StretchMode = 2;  // one row along the top
  PixelBuffer b = Filled(12, 10, D);
  Background(b, ColorBackground(0));
  EXPECT_EQ(b.GetColor(5, 1), kTexture);
  EXPECT_EQ(b.GetColor(5, 2), kColor);
}

TEST_F(Sections, AnImageShareWithoutATextureFallsToTheColour) {
  Button().ImagePercent = 30;
  PixelBuffer b = Filled(12, 10, D);
  PaintSectionBackground(1, "PANEL", ColorBackground(0), KeyColor, -1, -1, *model, b, {}, kRect, 0);
  EXPECT_EQ(b.GetColor(5, 5), kColor);
}

TEST_F(Sections, CustomColourIsAFlatFill) {
  Button().Transparency = 50;
  Button().ImagePercent = 30;
  Button().GradientPercent = 30;
  Button().GradientArray = {{kGradient, kGradient, 100, 0}};
  PixelBuffer b = Filled(12, 10, D);
  Background(b, ColorBackground(0x123456), 0, 0x00AA00);
  EXPECT_EQ(b.GetColor(0, 0), 0x00AA00u);
  EXPECT_EQ(b.GetColor(9, 7), 0x00AA00u);
}

TEST_F(Sections, StateTwoUsesTheHotValuesAndTheThirdBorderImage) {
  Button().Transparency = 100;  // the normal state would show the background
  PixelBuffer b = Filled(12, 10, D);
  PaintSection(0, "BUTTON", ColorBackground(0x123456), -1, -1, *model, b, {}, kRect, 2, false);
  EXPECT_EQ(b.GetColor(5, 5), kHot);
  EXPECT_EQ(b.GetColor(0, 0), Src(12, 10));  // state image 2 of the border
  EXPECT_EQ(b.GetColor(9, 7), Src(17, 15));
}

TEST_F(Sections, CornerImagesSitInTheRectanglesCorners) {
  PixelBuffer b = Filled(12, 10, D);
  PaintSection(1, "PANEL", ColorBackground(0), -1, -1, *model, b, {}, kRect, 0, false);
  EXPECT_EQ(b.GetColor(0, 0), Src(34, 10));
  EXPECT_EQ(b.GetColor(8, 6), Src(36, 10));
  EXPECT_EQ(b.GetColor(9, 7), Src(37, 11));
  EXPECT_EQ(b.GetColor(5, 5), kColor);
}

TEST_F(Sections, MaskedModeTenTextureGoesOverTheNormalStateOnly) {
  TsMaskData overlay = Entry("X", "Y", {20, 0, 22, 4}, 1, 1, 0, 0, 0, 0, 10, itisaTexture);
  SkinContents c;
  c.MasterBitmap = test::NumberedMaster(40, 20);
  for (int y = 2; y < 4; ++y)
    for (int x = 20; x < 22; ++x) c.MasterBitmap.SetColor(x, y, 0);  // black: image shows
  c.Sections.push_back(test::Section("BUTTON", kColor));
  c.Masks.push_back(std::move(overlay));
  auto local = test::ModelOf(std::move(c));
  for (int state : {0, 1}) {
    PixelBuffer b = Filled(12, 10, D);
    PaintSectionBackground(0, "BUTTON", ColorBackground(0), KeyColor, -1, 0, *local, b, {},
                           kRect, state);
    EXPECT_EQ(b.GetColor(1, 1), state == 0 ? Src(21, 1) : kColor) << state;
  }
}

TEST_F(Sections, InvalidSectionsAndRectanglesOutsideThePictureDoNothing) {
  PixelBuffer b = Filled(12, 10, D);
  PaintSection(7, "NONE", ColorBackground(0), -1, -1, *model, b, {}, kRect, 0, true);
  PaintSection(-1, "BUTTON", ColorBackground(0), -1, -1, *model, b, {}, kRect, 0, true);
  PaintSection(0, "BUTTON", ColorBackground(0), -1, -1, *model, b, {}, {5, 5, 13, 9}, 0, true);
  PaintSection(0, "BUTTON", ColorBackground(0), -1, -1, *model, b, {}, {5, 5, 5, 9}, 0, true);
  PaintSectionBackground(0, "BUTTON", ColorBackground(0), KeyColor, -1, -1, *model, b, {},
                         {-1, 0, 4, 4}, 0);
  EXPECT_TRUE(test::SamePixels(b, Filled(12, 10, D)));
}

}  // namespace
}  // namespace folvane
