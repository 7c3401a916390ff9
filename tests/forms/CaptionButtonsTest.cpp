#include <gtest/gtest.h>

#include "forms/CaptionButtons.h"

namespace folvane {
namespace {

// Glyph masks of a skin like the internal one: big glyphs 32 x 19, small
// ones 15 x 16, the user-button face 26 x 19.
enum Glyph { kBigClose = 1, kBigMin, kBigMax, kBigHelp, kBigNorm, kSmallClose, kSmallHelp, kFace };

GlyphBox SizeOf(int mask) {
  if (mask >= kBigClose && mask <= kBigNorm) return {32, 19};
  if (mask == kSmallClose || mask == kSmallHelp) return {15, 16};
  if (mask == kFace) return {26, 19};
  return {};
}

FormShape MainFormShape() {
  FormShape f;
  f.Border = FormBorder::Single;
  f.Icons = kIconSystemMenu | kIconMinimize;
  f.WindowMenu = true;
  return f;
}

CaptionContext Context(const FormShape& f, int space, int valign) {
  CaptionContext c;
  c.Shape = f;
  c.OuterWidth = 424;
  c.FrameX = 3;
  c.FrameY = 3;
  c.CaptionBar = 19;
  c.Space = space;
  c.VAlign = valign;
  c.RestoreGlyph = kBigNorm;
  c.TitleButtonGlyph = kFace;
  c.StateSize = SizeOf;
  return c;
}

CaptionButtons BigButtons() {
  CaptionButtons b;
  b.Close.GlyphMask = kBigClose;
  b.Minimize.GlyphMask = kBigMin;
  b.Maximize.GlyphMask = kBigMax;
  b.Help.GlyphMask = kBigHelp;
  for (CaptionButton* r : {&b.Close, &b.Minimize, &b.Maximize, &b.Help}) r->Big = true;
  return b;
}

TEST(FormGeometry, FrameAndCaptionFollowTheBorderStyle) {
  const FrameMetrics m{19, 15, 4, 4, 3, 3};
  struct Case {
    FormBorder border;
    int caption, frame;
  } cases[] = {
      {FormBorder::None, 0, 0},        {FormBorder::Single, 19, 3},
      {FormBorder::Sizeable, 19, 4},   {FormBorder::Dialog, 19, 3},
      {FormBorder::ToolWindow, 15, 3}, {FormBorder::SizeToolWin, 15, 4},
  };
  for (const Case& c : cases) {
    FormShape f;
    f.Border = c.border;
    f.CaptionStyle = c.border != FormBorder::None;
    EXPECT_EQ(CaptionBarHeight(f, m), c.caption) << static_cast<int>(c.border);
    EXPECT_EQ(FrameThicknessX(f, m), c.frame) << static_cast<int>(c.border);
  }
  FormShape iconicNone;
  iconicNone.Border = FormBorder::None;
  iconicNone.CaptionStyle = false;
  iconicNone.Iconic = true;
  EXPECT_EQ(CaptionBarHeight(iconicNone, m), 19);
}

TEST(FormGeometry, CaptionIconSizeSteps) {
  const int table[][2] = {{8, 0}, {9, 8}, {16, 8}, {17, 16}, {18, 16}, {27, 16}, {28, 32}};
  for (const auto& row : table) EXPECT_EQ(DefaultIconSize(row[0]), row[1]) << row[0];
}

TEST(CaptionButtons, MainFormShowsCloseAndMinimizeOverlappingByOnePixel) {
  CaptionButtons b = BigButtons();
  const CaptionContext c = Context(MainFormShape(), -1, 1);
  const std::vector<PlacedButton> placed = b.LayOut(c);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0].Code, kCodeClose);
  EXPECT_EQ(placed[1].Code, kCodeMinimize);
  EXPECT_EQ(b.Close.Right, 424 - 3 + 1);
  EXPECT_EQ(b.Close.Left, b.Close.Right - 32);
  EXPECT_EQ(b.Minimize.Right, b.Close.Left + 1);
  EXPECT_EQ(b.Minimize.Right - b.Minimize.Left, 32);
  // Top-aligned big buttons on a normal form.
  EXPECT_EQ(b.Close.Top, 0);
  EXPECT_EQ(b.Close.Bottom, 19);
  EXPECT_EQ(b.ButtonsSpan(c), 2 * (32 - 1));
  EXPECT_EQ(b.VisibleSysButtons(c, true), 2);
  EXPECT_EQ(b.VisibleSysButtons(c, false), 0);
  // Where they overlap, close wins; the caption lies left of both.
  EXPECT_EQ(b.HitTest(c, b.Close.Left), kCodeClose);
  EXPECT_EQ(b.HitTest(c, b.Minimize.Left), kCodeMinimize);
  EXPECT_EQ(b.HitTest(c, b.Minimize.Left - 1), kCodeCaption);
}

TEST(CaptionButtons, MaximizedFormShowsRestoreGlyphFourPixelsLower) {
  CaptionButtons b = BigButtons();
  FormShape f = MainFormShape();
  f.Border = FormBorder::Sizeable;
  f.Icons |= kIconMaximize;
  f.Maximized = true;
  const std::vector<PlacedButton> placed = b.LayOut(Context(f, 0, 1));
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[1].Code, kCodeMaximize);
  EXPECT_EQ(placed[1].Glyph, kBigNorm);
  EXPECT_TRUE(placed[1].Enabled);
  EXPECT_EQ(b.Maximize.Top, 4);
  // Centred alignment: (19 + 3 - 19) div 2.
  b.LayOut(Context(f, 0, 0));
  EXPECT_EQ(b.Maximize.Top, 1);
}

TEST(CaptionButtons, DialogUsesSmallGlyphsAndShowsOnlyCloseAndHelp) {
  CaptionButtons b;
  b.Close.GlyphMask = kSmallClose;
  b.Help.GlyphMask = kSmallHelp;
  b.Minimize.GlyphMask = kBigMin;
  FormShape f;
  f.Border = FormBorder::Dialog;
  f.Icons = kIconSystemMenu | kIconMinimize | kIconMaximize | kIconHelp;
  f.WindowMenu = true;
  const CaptionContext c = Context(f, 0, 1);
  const std::vector<PlacedButton> placed = b.LayOut(c);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0].Code, kCodeClose);
  EXPECT_EQ(placed[1].Code, kCodeHelp);
  // Small glyphs are centred whatever the vertical alignment: (22 - 16) div 2.
  EXPECT_EQ(b.Close.Top, 3);
  EXPECT_EQ(b.Help.Right, b.Close.Left);
}

TEST(CaptionButtons, HelpIsFoundAfterTheVisibleSystemButtons) {
  CaptionButtons b = BigButtons();
  FormShape f = MainFormShape();
  f.Icons = kIconSystemMenu | kIconMinimize | kIconHelp;
  const CaptionContext c = Context(f, 0, 1);
  b.LayOut(c);
  EXPECT_EQ(b.HitTest(c, b.Close.Left + 1), kCodeClose);
  EXPECT_EQ(b.HitTest(c, b.Minimize.Left + 1), kCodeMinimize);
  EXPECT_EQ(b.HitTest(c, b.Help.Left + 1), kCodeHelp);

  f.Icons = kIconSystemMenu | kIconHelp;
  const CaptionContext c2 = Context(f, 0, 1);
  CaptionButtons b2 = BigButtons();
  b2.LayOut(c2);
  EXPECT_EQ(b2.Help.Right, b2.Close.Left);
  EXPECT_EQ(b2.HitTest(c2, b2.Help.Left + 1), kCodeHelp);
}

TEST(CaptionButtons, MissingGlyphHidesTheButtonButKeepsItsPlaceInTheSpan) {
  CaptionButtons b = BigButtons();
  b.Minimize.GlyphMask = -1;
  const CaptionContext c = Context(MainFormShape(), 0, 1);
  const std::vector<PlacedButton> placed = b.LayOut(c);
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(b.ButtonsSpan(c), 32 + 21);
  EXPECT_EQ(b.HitTest(c, 10), kCodeCaption);
}

TEST(CaptionButtons, UserButtonsSitLeftOfTheSystemButtons) {
  CaptionButtons b = BigButtons();
  b.User.resize(2);
  b.User[0].GlyphWidth = 30;  // wider than the skin's face
  b.User[1].Enabled = false;
  const CaptionContext c = Context(MainFormShape(), 0, 1);
  const std::vector<PlacedButton> placed = b.LayOut(c);
  ASSERT_EQ(placed.size(), 4u);
  EXPECT_EQ(b.User[0].Record.Right, b.Minimize.Left);
  EXPECT_EQ(b.User[0].Record.Right - b.User[0].Record.Left, 32);
  EXPECT_EQ(b.User[1].Record.Right - b.User[1].Record.Left, 26);
  EXPECT_EQ(b.HitTest(c, b.User[0].Record.Left + 1), kCodeUserFirst);
  EXPECT_EQ(b.HitTest(c, b.User[1].Record.Left + 1), kCodeCaption);
  EXPECT_FALSE(placed[3].Enabled);
}

TEST(CaptionButtons, PressDragOffAndBackShowsHotNotPressed) {
  CaptionButtons b = BigButtons();
  const FormShape f = MainFormShape();
  std::vector<int> repainted;
  auto repaint = [&](int code) { repainted.push_back(code); };
  b.SetHot(kCodeClose, repaint);
  EXPECT_EQ(b.Close.State, 1);
  b.Press(kCodeClose, f, repaint);
  EXPECT_EQ(b.Close.State, 2);
  EXPECT_TRUE(CaptionButtons::ButtonPressed);
  b.SetHot(0, repaint);  // dragged off
  EXPECT_EQ(b.Close.State, 0);
  EXPECT_FALSE(CaptionButtons::ButtonPressed);
  b.SetHot(kCodeClose, repaint);  // dragged back
  EXPECT_EQ(b.Close.State, 1);
  EXPECT_FALSE(CaptionButtons::ButtonPressed);
  EXPECT_EQ(repainted, (std::vector<int>{kCodeClose, kCodeClose, kCodeClose, kCodeClose}));
}

TEST(CaptionButtons, MaximizeIsPressedOnlyWhenItCanAct) {
  CaptionButtons b = BigButtons();
  FormShape f = MainFormShape();  // no maximize icon
  b.Press(kCodeMaximize, f, nullptr);
  EXPECT_EQ(b.HotCode, 0);
  EXPECT_EQ(b.Maximize.State, 0);
  f.Border = FormBorder::Sizeable;
  f.Icons |= kIconMaximize;
  b.Press(kCodeMaximize, f, nullptr);
  EXPECT_EQ(b.HotCode, kCodeMaximize);
  EXPECT_EQ(b.Maximize.State, 2);
}

TEST(FormGeometry, WindowMenuCommandsFollowTheFormState) {
  FormShape f = MainFormShape();
  EXPECT_TRUE(MinVisible(f));
  EXPECT_FALSE(MaxVisible(f));
  EXPECT_TRUE(RestoreVisible(f));
  EXPECT_FALSE(RestoreEnabled(f));
  EXPECT_FALSE(SizeEnabled(f));
  EXPECT_TRUE(MoveEnabled(f));
  f.Minimized = f.Iconic = true;
  EXPECT_TRUE(RestoreEnabled(f));
  EXPECT_FALSE(MinEnabled(f));
  EXPECT_TRUE(MaxVisible(f));  // an iconic form offers both
  f = MainFormShape();
  f.WindowMenu = false;
  EXPECT_FALSE(MinVisible(f));
  EXPECT_FALSE(RestoreVisible(f));
}

}  // namespace
}  // namespace folvane
