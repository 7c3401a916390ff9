// Glyph and caption positions of both layout rules, worked out by hand for
// the cases a button meets: a glyph beside, above or below the caption,
// no glyph, a right-to-left caption, the pressed shift, a drop-down part.
#include "controls/ButtonLayout.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

::testing::AssertionResult SameRect(const PixelRect& got, const PixelRect& want) {
  if (got == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "got (" << got.Left << ", " << got.Top << ", " << got.Right << ", " << got.Bottom
         << "), want (" << want.Left << ", " << want.Top << ", " << want.Right << ", "
         << want.Bottom << ")";
}

ButtonGeometry Button(int w, int h, int gw, int gh, int tw, int th, TButtonLayout layout,
                      ButtonAlign align = ButtonAlign::Center, int margin = -1, int spacing = 4) {
  ButtonGeometry g;
  g.Width = w;
  g.Height = h;
  g.GlyphWidth = gw;
  g.GlyphHeight = gh;
  g.TextWidth = tw;
  g.TextHeight = th;
  g.Layout = layout;
  g.Align = align;
  g.Margin = margin;
  g.Spacing = spacing;
  g.HasCaption = tw > 0;
  return g;
}

using L = TButtonLayout;

TEST(BitBtnLayout, GlyphAndCaptionPositions) {
  struct Case {
    const char* what;
    ButtonGeometry g;
    bool rightToLeft;
    PixelRect glyph, caption;
  } cases[] = {
      // The main window's buttons: glyph left, centred, 4 pixels between.
      {"glyph left, centred", Button(75, 41, 32, 32, 30, 13, L::blGlyphLeft), false,
       {4, 4, 36, 36}, {40, 14, 70, 27}},
      {"glyph right, centred", Button(75, 41, 32, 32, 30, 13, L::blGlyphRight), false,
       {38, 4, 70, 36}, {4, 14, 34, 27}},
      {"glyph top", Button(75, 60, 16, 16, 30, 13, L::blGlyphTop), false, {30, 13, 46, 29},
       {23, 33, 53, 46}},
      {"glyph bottom", Button(75, 60, 16, 16, 30, 13, L::blGlyphBottom), false,
       {30, 31, 46, 47}, {23, 14, 53, 27}},
      {"left aligned with a margin",
       Button(75, 41, 32, 32, 30, 13, L::blGlyphLeft, ButtonAlign::Left, 2), false,
       {5, 4, 37, 36}, {38, 14, 68, 27}},
      {"no glyph", Button(75, 41, 0, 0, 30, 13, L::blGlyphLeft), false, {22, 20, 22, 20},
       {22, 14, 52, 27}},
      // Right to left swaps the caption's side, not the glyph's.
      {"right to left", Button(75, 41, 32, 32, 30, 13, L::blGlyphLeft), true, {4, 4, 36, 36},
       {4, 14, 34, 27}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(SameRect(GlyphRect(c.g, 0), c.glyph));
    EXPECT_TRUE(SameRect(BitBtnCaptionRect(c.g, c.rightToLeft, 0), c.caption));
    // Pressed, both move one pixel right and down.
    const PixelRect g2 = GlyphRect(c.g, 2), t2 = BitBtnCaptionRect(c.g, c.rightToLeft, 2);
    EXPECT_TRUE(SameRect(g2, {c.glyph.Left + 1, c.glyph.Top + 1, c.glyph.Right + 1,
                              c.glyph.Bottom + 1}));
    EXPECT_TRUE(SameRect(t2, {c.caption.Left + 1, c.caption.Top + 1, c.caption.Right + 1,
                              c.caption.Bottom + 1}));
  }
}

TEST(BitBtnLayout, CaptionStartsFourPixelsAfterTheGlyph) {
  // A 75 x 41 button with a 32 x 32 glyph: the glyph at (75 - 32 - 4 - tw) div 2.
  for (int tw = 1; tw <= 40; ++tw) {
    const ButtonGeometry g = Button(75, 41, 32, 32, tw, 13, L::blGlyphLeft);
    const PixelRect glyph = GlyphRect(g, 0);
    EXPECT_EQ(glyph.Left, (75 - 32 - 4 - tw) / 2) << tw;
    EXPECT_EQ(glyph.Top, 4);
    EXPECT_EQ(BitBtnCaptionRect(g, false, 0).Left - glyph.Left, 36) << tw;
  }
}

TEST(BitBtnLayout, CaptionBoxWidth) {
  EXPECT_EQ(BitBtnCaptionBoxWidth(Button(75, 41, 32, 32, 1, 13, L::blGlyphLeft)), 41);
  EXPECT_EQ(BitBtnCaptionBoxWidth(Button(75, 41, 32, 32, 1, 13, L::blGlyphTop)), 77);
  EXPECT_EQ(BitBtnCaptionBoxWidth(Button(75, 41, 32, 32, 0, 0, L::blGlyphLeft)), 0);
  EXPECT_EQ(BitBtnCaptionBoxWidth(Button(75, 41, 32, 32, 1, 13, L::blGlyphLeft,
                                         ButtonAlign::Center, 3)), 33);
}

TEST(SpeedButtonLayout, GlyphAndCaptionPositions) {
  ButtonGeometry dropDown = Button(60, 22, 16, 16, 12, 13, L::blGlyphLeft);
  dropDown.DropDown = 16;
  struct Case {
    const char* what;
    ButtonGeometry g;
    int textOffset;
    PixelRect glyph, caption;
  } cases[] = {
      // The browse button of an edit: a glyph and no caption.
      {"glyph only", Button(23, 22, 16, 16, 0, 0, L::blGlyphLeft), 0, {3, 3, 19, 19},
       {22, 11, 22, 11}},
      {"glyph and caption", Button(60, 22, 16, 16, 12, 13, L::blGlyphLeft), 0,
       {14, 3, 30, 19}, {33, 4, 48, 18}},
      {"drop-down part", dropDown, 0, {6, 3, 22, 19}, {25, 4, 40, 18}},
      {"text offset", dropDown, 2, {6, 3, 22, 19}, {27, 4, 42, 18}},
      {"glyph top", Button(40, 40, 16, 16, 20, 13, L::blGlyphTop), 0, {13, 3, 29, 19},
       {9, 23, 32, 37}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(SameRect(GlyphRect(c.g, 0), c.glyph));
    EXPECT_TRUE(SameRect(SpeedButtonCaptionRect(c.g, c.textOffset, 0), c.caption));
    const PixelRect t2 = SpeedButtonCaptionRect(c.g, c.textOffset, 2);
    EXPECT_TRUE(SameRect(t2, {c.caption.Left + 1, c.caption.Top + 1, c.caption.Right + 1,
                              c.caption.Bottom + 1}));
  }
  EXPECT_EQ(SpeedButtonCaptionBoxWidth(dropDown), 26);
}

}  // namespace
}  // namespace folvane
