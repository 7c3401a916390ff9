#include "paint/ScrollSection.h"

#include <gtest/gtest.h>

#include "paint/PaintTestSupport.h"
#include "paint/SectionPainting.h"
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
constexpr TColor kHotTexture = RgbColor(90, 60, 30);
constexpr TColor kBehind = 0x123456;
constexpr PixelRect kRect{0, 0, 10, 8};

enum : int { kBorder, kPattern, kHotPattern, kCorner, kMaskedPattern };

std::uint8_t Channel(TColor c, int ch) { return static_cast<std::uint8_t>(c >> (8 * ch)); }

// One section "SCROLLBAR1H" with a three-state border whose first image has
// a key-coloured top-left pixel, a PATTERN and a HOTPATTERN of one colour
// each, a corner image, and a masked texture whose black mask shows its
// image.
class ScrollSection : public testing::Test {
 protected:
  ScrollSection() {
    SkinContents c;
    c.MasterBitmap = test::NumberedMaster(40, 20);
    for (int y = 0; y < 2; ++y) {
      c.MasterBitmap.SetColor(30, y, kTexture), c.MasterBitmap.SetColor(31, y, kTexture);
      c.MasterBitmap.SetColor(32, y, kHotTexture), c.MasterBitmap.SetColor(33, y, kHotTexture);
    }
    for (int y = 2; y < 4; ++y)
      for (int x = 20; x < 22; ++x) c.MasterBitmap.SetColor(x, y, 0);
    c.MasterBitmap.SetColor(0, 10, KeyColor);
    TsGeneralData bar = test::Section("SCROLLBAR1H", kColor);
    bar.HotColor = kHot;
    c.Sections.push_back(bar);
    c.Masks.push_back(Entry("SCROLLBAR1H", "BORDERSMASK", {0, 10, 18, 16}, 3, 0, 2, 2, 2, 2));
    c.Masks.push_back(Entry("SCROLLBAR1H", "PATTERN", {30, 0, 32, 2}, 1, 0, 0, 0, 0, 0, 0, itisaTexture));
    c.Masks.push_back(Entry("SCROLLBAR1H", "HOTPATTERN", {32, 0, 34, 2}, 1, 0, 0, 0, 0, 0, 0, itisaTexture));
    c.Masks.push_back(Entry("SCROLLBAR1H", "IMGTOPLEFT", {34, 10, 36, 12}, 1, 0, 0, 0, 0, 0, 0, itisaGlyph));
    c.Masks.push_back(Entry("X", "Y", {20, 0, 22, 4}, 1, 1, 0, 0, 0, 0, 0, itisaTexture));
    model = test::ModelOf(std::move(c));
  }
  TsGeneralData& Bar() { return const_cast<TsGeneralData&>(*model->Section(0)); }
  TColor Centre(const BackgroundInfo& bg, int state = 0, int texture = -1, int hot = -1,
                PixelPoint offset = {}) {
    PixelBuffer b = Filled(12, 10, D);
    PaintScrollSection(0, -1, texture, hot, bg, *model, b, offset, kRect, state, false);
    return b.GetColor(5, 4);
  }
  std::unique_ptr<SkinModel> model;
};

TEST_F(ScrollSection, TexturesAreTheGivenEntriesNotTheSectionsNamedOnes) {
  Bar().ImagePercent = 100;
  Bar().HotImagePercent = 100;
  const BackgroundInfo bg = ColorBackground(0);
  EXPECT_EQ(Centre(bg, 0, kPattern, kHotPattern), kTexture);
  EXPECT_EQ(Centre(bg, 1, kPattern, kHotPattern), kHotTexture);
  EXPECT_EQ(Centre(bg, 2, kPattern, kHotPattern), kHotTexture);
  EXPECT_EQ(Centre(bg, 0, kHotPattern, kPattern), kHotTexture);
  // The section has a PATTERN, but nothing is looked up by name.
  EXPECT_EQ(Centre(bg, 0, -1, -1), kColor);
  // A masked entry is laid by the mask rule (its black mask shows the image).
  EXPECT_EQ(Centre(bg, 0, kMaskedPattern, -1), Src(21, 0));
}

TEST_F(ScrollSection, SeeThroughOnlyOverABitmap) {
  PixelBuffer parent = test::NumberedMaster(20, 20);
  const BackgroundInfo overParent = BitmapBackground(parent, 2, 1);
  const struct {
    BackgroundInfo bg;
    int transparency;
    TColor expect;  // 1 marks the constant blend, checked below
  } cases[] = {
      {ColorBackground(kBehind), 50, kColor},     // a section would blend with it
      {ColorBackground(kBehind), 100, kBehind},
      {ColorBackground(KeyColor), 30, kColor},    // a section would become the key
      {ColorBackground(KeyColor), 100, KeyColor},
      {overParent, 0, kColor},
      {overParent, 100, Src(8, 6)},
      {overParent, 50, 1},
  };
  for (const auto& c : cases) {
    Bar().Transparency = c.transparency;
    const TColor got = Centre(c.bg, 0, -1, -1, {1, 1});
    if (c.expect != 1) {
      EXPECT_EQ(got, c.expect) << c.transparency;
      continue;
    }
    for (int ch = 0; ch < 3; ++ch)
      EXPECT_EQ(Channel(got, ch),
                (Channel(Src(8, 6), ch) * 127 + Channel(kColor, ch) * 128 + 127) / 256)
          << ch;
  }
  // The section itself, for contrast: over a colour it is see-through.
  Bar().Transparency = 30;
  PixelBuffer b = Filled(12, 10, D);
  PaintSectionBackground(0, "SCROLLBAR1H", ColorBackground(KeyColor), KeyColor, -1, -1, *model,
                         b, {}, kRect, 0);
  EXPECT_EQ(b.GetColor(5, 4), KeyColor);
}

TEST_F(ScrollSection, BorderIsTheGivenEntryWithoutCornerImages) {
  Bar().Transparency = 100;  // state 2 shows the hot colour all the same
  PixelBuffer b = Filled(12, 10, D);
  PaintScrollSection(0, kBorder, -1, -1, ColorBackground(kBehind), *model, b, {}, kRect, 2,
                     false);
  EXPECT_EQ(b.GetColor(0, 0), Src(12, 10));  // state image 2; no IMGTOPLEFT over it
  EXPECT_EQ(b.GetColor(9, 7), Src(17, 15));
  EXPECT_EQ(b.GetColor(5, 4), kHot);
  // Without a border index nothing is looked up by name: neither border nor corner.
  Bar().Transparency = 0;
  PixelBuffer plain = Filled(12, 10, D);
  PaintScrollSection(0, -1, -1, -1, ColorBackground(kBehind), *model, plain, {}, kRect, 0, false);
  EXPECT_EQ(plain.GetColor(0, 0), kColor);
}

TEST_F(ScrollSection, KeyCornersOfTheBorderShowTheBackgroundAtTheOffset) {
  PixelBuffer parent = test::NumberedMaster(20, 20);
  PixelBuffer b = Filled(14, 12, D);
  const BackgroundInfo bg = BitmapBackground(parent, 2, 1);
  PaintScrollSection(0, kBorder, -1, -1, bg, *model, b, {1, 1}, {2, 3, 12, 11}, 0, false);
  EXPECT_EQ(b.GetColor(2, 3), Src(3, 2));  // the rectangle's origin lies at (3, 2)
  EXPECT_EQ(b.GetColor(3, 3), Src(1, 10));
  EXPECT_EQ(bg.OffsetX, 2);  // the caller's background is left as it was
}

TEST_F(ScrollSection, InvalidSectionsAndRectanglesOutsideThePictureDoNothing) {
  PixelBuffer b = Filled(12, 10, D);
  PaintScrollSection(3, kBorder, -1, -1, ColorBackground(0), *model, b, {}, kRect, 0, true);
  PaintScrollSection(-1, kBorder, -1, -1, ColorBackground(0), *model, b, {}, kRect, 0, true);
  PaintScrollSection(0, kBorder, -1, -1, ColorBackground(0), *model, b, {}, {5, 5, 13, 9}, 0,
                     true);
  PaintScrollSection(0, kBorder, -1, -1, ColorBackground(0), *model, b, {}, {5, 5, 5, 9}, 0,
                     true);
  EXPECT_TRUE(test::SamePixels(b, Filled(12, 10, D)));
}

}  // namespace
}  // namespace folvane
