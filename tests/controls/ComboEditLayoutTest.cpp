// The browse button's size and glyph position for built-in and own glyphs,
// the text area beside it, the click key and one-line paths.
#include "controls/ComboEditLayout.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

TEST(ComboEditLayout, GlyphChoiceSizesTheButton) {
  struct Case {
    const char* what;
    EditGlyphSources sources;
    bool builtIn;
    int w, h, button, skinnedX, platformX;
  };
  const Case cases[] = {
      {"built-in 60 x 34", {true, true, 60, 34, true, 0, 0}, true, 20, 17, 22, 0, 1},
      {"built-in 57 x 34", {true, true, 57, 34, true, 0, 0}, true, 19, 17, 21, 0, 1},
      {"own 48 x 32 glyph", {false, true, 60, 34, true, 48, 32}, false, 16, 16, 18, 0, 1},
      {"own glyph wins only without UseDefaultGlyph", {true, true, 60, 34, true, 48, 32}, true, 20, 17, 22, 0, 1},
      {"empty own glyph falls back to built-in", {false, true, 60, 34, true, 0, 0}, true, 20, 17, 22, 0, 1},
      {"no built-in, empty own glyph: no button", {true, false, 0, 0, true, 0, 0}, false, 0, 16, 0, 0, 0},
      {"no built-in, no glyph object: no button", {true, false, 0, 0, false, 0, 0}, false, 0, 16, 0, 0, 0},
      {"own glyph too narrow for a state", {false, false, 0, 0, true, 2, 10}, false, 0, 5, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const EditGlyphChoice g = ChooseEditGlyph(c.sources);
    EXPECT_EQ(g.UseBuiltIn, c.builtIn);
    EXPECT_EQ(g.Width, c.w);
    EXPECT_EQ(g.Height, c.h);
    const int button = EditButtonWidth(g);
    EXPECT_EQ(button, c.button);
    if (button == 0) continue;
    EXPECT_EQ(SkinnedGlyphOrigin(button, 17, g).X, c.skinnedX);
    EXPECT_EQ(PlatformGlyphOrigin(button, 17, g).X, c.platformX);
  }
}

TEST(ComboEditLayout, GlyphRowsCentreAndRoundTowardZero) {
  const EditGlyphChoice g{true, 20, 17};
  EXPECT_EQ(SkinnedGlyphOrigin(22, 17, g).Y, 0);
  EXPECT_EQ(SkinnedGlyphOrigin(22, 20, g).Y, 1);
  // A button lower than its glyph puts the glyph's top above it.
  EXPECT_EQ(SkinnedGlyphOrigin(22, 14, g).Y, -1);
  EXPECT_EQ(PlatformGlyphOrigin(19, 14, g).X, 0);
}

TEST(ComboEditLayout, StateImages) {
  EXPECT_EQ(EditGlyphImage(0, false), 0);
  EXPECT_EQ(EditGlyphImage(1, true), 1);
  EXPECT_EQ(EditGlyphImage(0, true), 1);
  EXPECT_EQ(EditGlyphImage(2, true), 2);
  EXPECT_EQ(EditGlyphImage(2, false), 2);
}

TEST(ComboEditLayout, BlendIsClamped) {
  EXPECT_EQ(ClampGlyphBlend(150), 100);
  EXPECT_EQ(ClampGlyphBlend(-5), 0);
  EXPECT_EQ(ClampGlyphBlend(37), 37);
}

TEST(ComboEditLayout, FormattingRectStopsAtTheButton) {
  EXPECT_EQ(ComboFormattingRect(346, 17, 22), (PixelRect{0, 0, 324, 17}));
  EXPECT_EQ(ComboFormattingRect(346, 17, 0), (PixelRect{0, 0, 346, 17}));
  EXPECT_EQ(ComboFormattingRect(10, 17, 22), (PixelRect{0, 0, 0, 17}));
}

TEST(ComboEditLayout, ClickKeyEncoding) {
  EXPECT_EQ(ShortCutOf(0x28, false, false, true), kDefaultClickKey);
  EXPECT_EQ(kDefaultClickKey, 32808);
  EXPECT_NE(ShortCutOf(0x28, false, false, false), kDefaultClickKey);
  EXPECT_EQ(ShortCutOf(0x28, true, true, true), 0xE028);
}

TEST(ComboEditLayout, LineBreaksNeverReachAPath) {
  EXPECT_EQ(StripLineBreaks(L"C:\\a\r\nb\\c.ico\n"), L"C:\\ab\\c.ico");
  EXPECT_EQ(StripLineBreaks(L"\r\r\n"), L"");
  EXPECT_EQ(StripLineBreaks(L"C:\\plain"), L"C:\\plain");
}

}  // namespace
}  // namespace folvane
