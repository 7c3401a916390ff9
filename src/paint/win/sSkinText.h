#pragma once
// The two writers every skinned element draws its own text with. Colours
// come from a skin section: the font colour of the normal or hot state, a
// one-pixel contour in up to four colours (-1: no contour on that side),
// and a dimmed colour for disabled text.

#include <windows.h>

#include <string>

#include "paint/win/TextCanvas.h"

namespace folvane {

class TControl;
class TsCommonData;
class TsSkinManager;

// Text of an owner with skin state: the owner's font (with the hot
// underline of "WEBBUTTON"), colours borrowed from a transparent parent
// where the owner inherits its font, the DC clipped to rect and restored
// whatever happens. Hot selects the hot colours (paint state not 0).
void DrawControlText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                     UINT format, TsCommonData& skinData, bool hot);
// The same; the extra argument is ignored.
void DrawControlText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                     UINT format, TsCommonData& skinData, bool hot, int unused);

// Text in the colours of section sectionIndex of manager (none:
// PrimaryManager). Nothing is drawn without a manager or with an invalid
// index. The canvas font and clipping are used as the caller set them.
void DrawSectionText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                     UINT format, int sectionIndex, bool hot, TsSkinManager* manager);
void WriteSectionText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                      UINT format, int sectionIndex, bool hot, TsSkinManager* manager);

// The section whose text colours a transparent control borrows: its
// parent's section when that gives its own font, climbing past parents
// more than half transparent; sectionIndex when there is nothing to borrow.
int FontSectionFromParent(TControl* control, int sectionIndex, TsSkinManager* manager);

}  // namespace folvane
