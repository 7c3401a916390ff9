#pragma once
// What the button-like adapters read from their windows: the pushed,
// focused, hot and default looks, and the text writer's setup.

#include <windows.h>

#include <string>

#include "forms/AdapterLook.h"
#include "paint/win/TextCanvas.h"

namespace folvane {

class TControl;
class TsCommonData;

// The look of button window `wnd`; `host` is its runtime control, if any.
ButtonLook ReadButtonLook(HWND wnd, const TControl* host);

// Draws `text` in the section's colours into the cache of `data`, in
// `rect`, and flushes GDI so that pixel code may follow.
void DrawAdapterText(HDC dc, const TFont& font, const std::wstring& text, bool enabled,
                     const RECT& rect, UINT format, TsCommonData& data, bool hot);

// The size DrawText gives `text` in `font` within `width` (DT_CALCRECT).
SIZE MeasureAdapterText(HDC dc, const TFont& font, const std::wstring& text, int width,
                        UINT format);

// A windowless keyboard-focus frame around `rect` (grown by one pixel),
// drawn when the section shows focus.
void DrawFocusFrame(TsCommonData& data, class TBitmap& image, const PixelRect& rect);

}  // namespace folvane
