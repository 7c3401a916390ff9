#pragma once
// Geometry of the combo edit's browse button and of the text area beside
// it, and the keys it reacts to. Window-free.

#include <string>

#include "paint/PixelGeometry.h"

namespace folvane {

// Width of the browse button while it is shown by ShowButton alone, before
// the glyph choice sizes it.
constexpr int kComboButtonWidth = 22;
// Alt+Down: the default click key.
constexpr int kDefaultClickKey = 0x8028;

// Where the state images come from and how large one of them is.
struct EditGlyphChoice {
  bool UseBuiltIn = false;
  int Width = 0;   // one state image
  int Height = 0;
};

struct EditGlyphSources {
  bool UseDefaultGlyph = true;
  bool HasBuiltIn = false;
  int BuiltInWidth = 0, BuiltInHeight = 0;  // all three states
  bool HasGlyphObject = true;               // an own Glyph bitmap object exists
  int GlyphWidth = 0, GlyphHeight = 0;      // 0 x 0 when the own Glyph is empty
};

EditGlyphChoice ChooseEditGlyph(const EditGlyphSources& s);
// w + 2, or 0 when there is no image to show.
int EditButtonWidth(const EditGlyphChoice& glyph);
int ClampGlyphBlend(int value);

// Where the state image goes inside a button of the given size: a third of
// the spare width to its left when skinned (the skin's frame ring takes the
// rest), centred otherwise.
PixelPoint SkinnedGlyphOrigin(int buttonWidth, int buttonHeight, const EditGlyphChoice& glyph);
PixelPoint PlatformGlyphOrigin(int buttonWidth, int buttonHeight, const EditGlyphChoice& glyph);
// Which of the three state images a button in paint state `state` (0, 1,
// 2) shows; a hovered button shows the hot image whatever its state says.
int EditGlyphImage(int paintState, bool hovered);

// The edit's formatting rectangle: typed text stops at the button.
PixelRect ComboFormattingRect(int clientWidth, int clientHeight, int buttonWidth);

// TShortCut encoding: virtual key in the low byte, then Shift, Ctrl, Alt.
constexpr int kShortCutShift = 0x2000;
constexpr int kShortCutCtrl = 0x4000;
constexpr int kShortCutAlt = 0x8000;
int ShortCutOf(int virtualKey, bool shift, bool ctrl, bool alt);

// A one-line path holds no line breaks: CR and LF are dropped.
std::wstring StripLineBreaks(std::wstring text);

}  // namespace folvane
