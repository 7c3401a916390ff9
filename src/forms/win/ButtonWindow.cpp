#include "forms/win/ButtonWindow.h"

#include "paint/FocusDots.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Form.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

ButtonLook ReadButtonLook(HWND wnd, const TControl* host) {
  ButtonLook look;
  const LRESULT state = SendMessageW(wnd, BM_GETSTATE, 0, 0);
  look.Pushed = (state & BST_PUSHED) != 0;
  look.Enabled = IsWindowEnabled(wnd) != FALSE;
  look.Focused = GetFocus() == wnd;
  TsSkinManager* primary = TsSkinManager::PrimaryManager();
  look.Hot = primary && primary->HotWindow() == wnd;
  if (auto* button = dynamic_cast<const TButtonControl*>(host))
    look.Default = button->Default;
  else if (!host)
    look.Default = (GetWindowLongPtrW(wnd, GWL_STYLE) & 1) != 0;
  return look;
}

void DrawAdapterText(HDC dc, const TFont& font, const std::wstring& text, bool enabled,
                     const RECT& rect, UINT format, TsCommonData& data, bool hot) {
  TextCanvas canvas(dc);
  canvas.Font = font;
  DrawControlText(canvas, text, enabled, rect, format, data, hot);
  GdiFlush();
}

SIZE MeasureAdapterText(HDC dc, const TFont& font, const std::wstring& text, int width,
                        UINT format) {
  if (text.empty()) return {0, 0};
  TextCanvas canvas(dc);
  canvas.Font = font;
  RECT r{0, 0, width > 0 ? width : 1, 0};
  canvas.DrawFormatted(text.c_str(), static_cast<int>(text.size()), r, format | DT_CALCRECT);
  return {r.right - r.left, r.bottom - r.top};
}

void DrawFocusFrame(TsCommonData& data, TBitmap& image, const PixelRect& rect) {
  const TsGeneralData* section = data.IsSkinned() ? data.Section() : nullptr;
  if (!section || !section->ShowFocus) return;
  DrawDottedFocus(image.Pixels(), {rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1});
}

}  // namespace folvane
