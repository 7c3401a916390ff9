// Item kinds, measuring, popup sizes, the skin's border width and the
// corner cut-outs of a popup's region.
#include <gtest/gtest.h>

#include "menus/MenuLayout.h"
#include "paint/SkinFixture.h"

using namespace folvane;
using namespace folvane::test;

TEST(MenuItemKinds, FromTheCaption) {
  struct Case {
    const wchar_t* caption;
    TsMenuItemType type;
    const wchar_t* word;  // what a caption item shows
  };
  const Case cases[] = {
      {L"-", smDivider, L""},
      {L"-Tools-", smCaption, L"Tools"},
      {L"--", smCaption, L""},
      {L"-Two-words-", smCaption, L"Two"},
      {L"Open", smNormal, L"Open"},
      {L"-Open", smNormal, L"Open"},
      {L"", smNormal, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuItemTypeOf(c.caption), c.type) << c.caption;
    if (c.type == smCaption) {
      EXPECT_EQ(CaptionItemWord(c.caption), c.word) << c.caption;
    }
  }
}

TEST(MenuItemKinds, ExtraLineCaptionHasAGraveAccentAndLosesAmpersands) {
  EXPECT_EQ(kDefaultExtraLineCaption[3], L'\x60');
  EXPECT_EQ(WithoutAmpersands(L"&Tools && more"), L"Tools  more");
}

TEST(MenuMeasure, ItemHeightsAndWidths) {
  const MenuItemSizes sizes;  // Margin 2, Spacing 6
  struct Case {
    TsMenuItemType type;
    int letterHeight, glyphHeight, height;
  };
  const Case heights[] = {
      {smDivider, 13, 16, 2},
      // 8 pt Tahoma: "W" is 13 high, 1.25 x 13 = 16.25 -> 16; the glyph decides.
      {smNormal, 13, 16, 20},
      {smNormal, 13, 0, 20},
      {smNormal, 14, 16, 22},   // 17.5 rounds to even: 18
      {smNormal, 10, 16, 20},   // 12.5 -> 12: the 16-pixel glyph is higher
      {smNormal, 10, 32, 36},
      {smCaption, 14, 32, 22},  // caption items ignore the glyph
      {smCaption, 10, 16, 16},
  };
  for (const Case& c : heights)
    EXPECT_EQ(PopupItemHeight(sizes, c.type, c.letterHeight, c.glyphHeight), c.height)
        << c.type << " " << c.letterHeight << " " << c.glyphHeight;
  // 2 x 16 + 50 + 3 x 2 + 6, and the extra line in the first column.
  EXPECT_EQ(PopupItemWidth(sizes, 16, 50, 0), 94);
  EXPECT_EQ(PopupItemWidth(sizes, 16, 50, 32), 126);
  EXPECT_EQ(PopupItemWidth(MenuItemSizes{4, 10}, 24, 0, 0), 70);
}

TEST(MenuMeasure, PopupSizesWithColumns) {
  // One column: widest + 12; heights add up; 2 x border around.
  EXPECT_EQ(PopupSize({{90, 20}, {120, 2}, {100, 20}}, 3).X, 120 + 12 + 6);
  EXPECT_EQ(PopupSize({{90, 20}, {120, 2}, {100, 20}}, 3).Y, 42 + 6);
  // Two columns 4 apart; the taller one decides the height.
  const PixelPoint two = PopupSize({{90, 20}, {80, 20}, {60, 20, true}}, 3);
  EXPECT_EQ(two.X, (90 + 12) + 4 + (60 + 12) + 6);
  EXPECT_EQ(two.Y, 40 + 6);
  // A break on the first item starts no empty column.
  EXPECT_EQ(PopupSize({{50, 10, true}}, 0).X, 62);
  EXPECT_EQ(PopupSize({}, 3).X, 6);
}

namespace {

// MAINMENU with a 7 x 7 border (one state, masked) whose corner pixels are
// key-coloured; the rest of the master bitmap is numbered.
SkinContents MenuSkin(int borderWidth) {
  SkinContents skin;
  skin.MasterBitmap = NumberedMaster(16, 16);
  for (PixelPoint p : {PixelPoint{0, 0}, PixelPoint{6, 0}, PixelPoint{0, 6}, PixelPoint{6, 6},
                       PixelPoint{1, 0}})
    skin.MasterBitmap.SetColor(p.X, p.Y, 0xFF00FF);
  skin.Sections.push_back(Section("MAINMENU", 0xF0F0F0));
  TsMaskData border = Entry("MAINMENU", "BORDERSMASK", {0, 0, 7, 14}, 1, 1, 3, 3, 3, 3);
  border.BorderWidth = borderWidth;
  skin.Masks.push_back(std::move(border));
  return skin;
}

}  // namespace

TEST(MenuSkinBorder, WidthFromTheMainMenuBorder) {
  EXPECT_EQ(ResolveSkinBorderWidth(-1, *ModelOf(MenuSkin(4))), 4);
  EXPECT_EQ(ResolveSkinBorderWidth(-1, *ModelOf(MenuSkin(0))), 3);
  EXPECT_EQ(ResolveSkinBorderWidth(-1, *ModelOf(MenuSkin(-2))), 3);
  EXPECT_EQ(ResolveSkinBorderWidth(5, *ModelOf(MenuSkin(4))), 5);
  EXPECT_EQ(ResolveSkinBorderWidth(-1, *ModelOf(SkinContents{})), 0);
}

TEST(MenuSkinBorder, KeyPixelsOfTheCornersAreCutOut) {
  auto model = ModelOf(MenuSkin(3));
  const auto cut = PopupCornerCutouts(*model, 0, 100, 60);
  const std::vector<PixelRect> expected{
      {0, 0, 1, 1}, {1, 0, 2, 1}, {99, 0, 100, 1}, {0, 59, 1, 60}, {99, 59, 100, 60}};
  EXPECT_EQ(cut, expected);
  // No border, or a popup of no size: nothing to cut.
  EXPECT_TRUE(PopupCornerCutouts(*model, 5, 100, 60).empty());
  EXPECT_TRUE(PopupCornerCutouts(*model, 0, 0, 0).empty());
}
