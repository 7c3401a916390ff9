#pragma once
// The decisions of the painting adapters that need no window: which section
// a panel takes from its bevels, which glyph a check box shows, which state
// a push button paints in, and where captions go.

#include <string>

#include "paint/PixelGeometry.h"

namespace folvane {

// A panel's bevel cut, as the runtime's TBevelCut orders it.
enum class PanelBevel { None, Lowered, Raised };

std::wstring PanelSection(PanelBevel outer, PanelBevel inner, bool hasBorder);

// BM_GETCHECK values.
enum CheckState { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

// The "GLOBALINFO" glyph of a check box or radio button.
const char* CheckGlyphName(bool radio, int checkState);

struct ButtonLook {
  bool Pushed = false;
  bool Enabled = true;
  bool Focused = false;
  bool Hot = false;  // the skin manager's hot window
  bool Default = false;
};

// 2 pushed, 0 disabled, 1 focused, hot or default, else 0.
int ButtonPaintState(const ButtonLook& look);
// The state of a check box's glyph: 2 pushed, 1 focused or hot, else 0.
int CheckGlyphState(const ButtonLook& look);

// Where a button's caption of textWidth x textHeight goes in a width x
// height button: centred, one pixel wider at the right, moved by (1, 1)
// while pushed.
PixelRect ButtonCaptionRect(int width, int height, int textWidth, int textHeight, bool pushed);

// A check box's glyph (glyphWidth x glyphHeight, vertically centred) and
// its text beside it, the glyph at the right for left-hand text.
struct CheckBoxLayout {
  PixelPoint Glyph;
  PixelRect Text;
};
CheckBoxLayout LayOutCheckBox(int width, int height, int glyphWidth, int glyphHeight,
                              bool textAtLeft);

// A group box's caption strip from x = 6 to textWidth + 14, at least 6
// pixels high.
PixelRect GroupBoxCaptionRect(int textWidth, int textHeight);

}  // namespace folvane

namespace folvane {

// The text of a link control without its anchor tags ("<a ...>", "</a>",
// in any case).
std::wstring StripLinkTags(const std::wstring& text);

}  // namespace folvane
