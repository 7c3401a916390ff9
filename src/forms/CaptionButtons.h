#pragma once
// The caption buttons of a skinned form: their records, the right-to-left
// layout, hit-testing along the caption band and the hot/pressed state
// machine. Drawing is the caller's: layout answers which buttons to draw
// with which glyph, the state machine which button to repaint.

#include <functional>
#include <vector>

#include "forms/FormGeometry.h"

namespace folvane {

// One caption button in window coordinates.
struct CaptionButton {
  int State = 0;  // 0 normal, 1 hot, 2 pressed
  int GlyphMask = -1;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Big = false;  // a big glyph, which obeys the skin's vertical alignment
};

// A button the form defines itself (code 1000 + its index).
struct UserCaptionButton {
  CaptionButton Record;
  bool Enabled = true;
  bool UseSkinData = true;
  int GlyphWidth = 0;  // its own picture (0 x 0 when it has none)
  int GlyphHeight = 0;
};

// The size of one state image of a glyph; 0 x 0 for a glyph that is missing.
struct GlyphBox {
  int Width = 0;
  int Height = 0;
};

struct CaptionContext {
  FormShape Shape;
  int OuterWidth = 0;
  int FrameX = 0;
  int FrameY = 0;
  int CaptionBar = 0;
  int Space = 0;         // gap between big buttons (may be negative)
  int VAlign = 0;        // -1 or 0 centred, 1 top-aligned
  int RestoreGlyph = -1;  // shown by maximize on a maximized form and minimize on a minimized one
  int TitleButtonGlyph = -1;
  std::function<GlyphBox(int mask)> StateSize;
};

// A button the layout placed: draw `Glyph` in its record's state.
struct PlacedButton {
  int Code = 0;
  int Glyph = -1;
  bool Enabled = true;
};

class CaptionButtons {
 public:
  CaptionButton Minimize, Maximize, Close, Help;
  std::vector<UserCaptionButton> User;
  int HotCode = 0;
  // A caption element was pressed and is still held (shared by all forms:
  // there is one mouse).
  static bool ButtonPressed;

  // The record for a hit code, or nullptr.
  CaptionButton* Find(int code);
  const CaptionButton* Find(int code) const;

  int ButtonHeight(const CaptionContext& c) const;
  int SystemWidth(const CaptionContext& c, int glyph) const;
  int UserWidth(const CaptionContext& c, const UserCaptionButton& b) const;
  int ButtonsSpan(const CaptionContext& c) const;
  int VisibleSysButtons(const CaptionContext& c, bool menuExists) const;

  // Places the buttons from the right edge leftwards.
  std::vector<PlacedButton> LayOut(const CaptionContext& c);
  // The element at x inside the caption band: a button code, or the
  // caption itself when no enabled button lies there.
  int HitTest(const CaptionContext& c, int x) const;

  // The hot/pressed state machine; `repaint` is asked to redraw a code.
  void SetHot(int code, const std::function<void(int)>& repaint);
  void Press(int code, const FormShape& shape, const std::function<void(int)>& repaint);

 private:
  void Place(const CaptionContext& c, CaptionButton& r, int width, int x);
};

}  // namespace folvane
