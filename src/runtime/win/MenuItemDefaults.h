#pragma once
// The plain look of an owner-drawn menu item that has no handlers of its
// own: system menu font and colours, check mark, caption and shortcut.

#include <windows.h>

namespace folvane {

class TMenuItem;

// The system's menu font (bold for a default item).
HFONT MenuFontHandle(bool bold);
void MeasureMenuItemDefault(TMenuItem& item, HDC dc, int& width, int& height);
void DrawMenuItemDefault(TMenuItem& item, HDC dc, const RECT& rect, unsigned state);

}  // namespace folvane
