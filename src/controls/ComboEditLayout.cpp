#include "controls/ComboEditLayout.h"

#include <algorithm>

namespace folvane {

EditGlyphChoice ChooseEditGlyph(const EditGlyphSources& s) {
  EditGlyphChoice c;
  const bool ownEmpty = s.GlyphWidth <= 0 || s.GlyphHeight <= 0;
  if (s.HasBuiltIn && (s.UseDefaultGlyph || ownEmpty)) {
    c.UseBuiltIn = true;
    c.Width = s.BuiltInWidth / 3;
    c.Height = s.BuiltInHeight / 2;
    return c;
  }
  // Nothing to show at all: the button goes (width 0) rather than stand
  // empty, and the click key has nothing to run.
  if (ownEmpty) return {false, 0, 16};
  c.Width = s.GlyphWidth / 3;
  c.Height = s.HasGlyphObject ? s.GlyphHeight / 2 : 16;
  return c;
}

int EditButtonWidth(const EditGlyphChoice& glyph) { return glyph.Width < 1 ? 0 : glyph.Width + 2; }

int ClampGlyphBlend(int value) { return std::clamp(value, 0, 100); }

PixelPoint SkinnedGlyphOrigin(int buttonWidth, int buttonHeight, const EditGlyphChoice& glyph) {
  return {(buttonWidth - glyph.Width) / 3, (buttonHeight - glyph.Height) / 2};
}

PixelPoint PlatformGlyphOrigin(int buttonWidth, int buttonHeight, const EditGlyphChoice& glyph) {
  return {(buttonWidth - glyph.Width) / 2, (buttonHeight - glyph.Height) / 2};
}

int EditGlyphImage(int paintState, bool hovered) {
  if (paintState == 2) return 2;
  return hovered ? 1 : 0;
}

PixelRect ComboFormattingRect(int clientWidth, int clientHeight, int buttonWidth) {
  return {0, 0, std::max(0, clientWidth - std::max(0, buttonWidth)), std::max(0, clientHeight)};
}

int ShortCutOf(int virtualKey, bool shift, bool ctrl, bool alt) {
  return (virtualKey & 0xFF) | (shift ? kShortCutShift : 0) | (ctrl ? kShortCutCtrl : 0) |
         (alt ? kShortCutAlt : 0);
}

std::wstring StripLineBreaks(std::wstring text) {
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](wchar_t c) { return c == L'\r' || c == L'\n'; }),
             text.end());
  return text;
}

}  // namespace folvane
