#include "forms/win/vtGroupBoxWnd.h"

#include <algorithm>
#include <cstdint>

#include "forms/AdapterLook.h"
#include "forms/win/AdapterPaintDC.h"
#include "forms/win/ButtonWindow.h"
#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

void CopyBehind(TBitmap& image, const BackgroundInfo& behind, const PixelRect& rect) {
  PixelBuffer& out = image.Pixels();
  const PixelRect r = ClampRect(rect, out.Width(), out.Height());
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      TColor c = ConvertColor(behind.Color);
      if (behind.IsBitmap && behind.Bitmap) {
        const std::int64_t bx = std::int64_t{x} + behind.OffsetX;
        const std::int64_t by = std::int64_t{y} + behind.OffsetY;
        if (bx < 0 || by < 0 || bx >= behind.Bitmap->Width() || by >= behind.Bitmap->Height())
          continue;
        c = behind.Bitmap->GetColor(static_cast<int>(bx), static_cast<int>(by));
      }
      out.SetColor(x, y, c & 0xFFFFFF);
    }
}

SIZE TvtGroupBoxWnd::CaptionTextSize() const {
  if (WindowText.empty()) return {0, 0};
  WindowDC screen(nullptr);
  RECT box{};
  GetWindowRect(Handle(), &box);
  return MeasureAdapterText(screen.Get(), WindowFont(), WindowText, box.right - box.left,
                            DT_CENTER | DT_SINGLELINE);
}

int TvtGroupBoxWnd::CaptionHeight() const {
  return GroupBoxCaptionRect(0, CaptionTextSize().cy).Height();
}

void TvtGroupBoxWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT:
      if (!FirstPaintDone) PrepareFirstPaint();
      Paint(m.wParam);
      m.result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.result = 1;
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      WithoutRedraw([&] { TvtMainWnd::HandleMessage(m); });
      return;
    case SM_VANTILECMD:
      // The caption strip, which the parent's painting leaves to the box.
      if (SkinCommandCode(m.wParam) == SKC_GETMANAGER) {
        m.result = CaptionHeight();
        return;
      }
      break;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtGroupBoxWnd::Paint(WPARAM givenDC) {
  RefreshGeometry();
  AdapterPaint paint(Handle(), givenDC);
  if (SkinData()->PaintSuspended || !paint.Get()) return;
  MarkImageChanged();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  // The windows inside the box are its siblings: they may lie above or
  // below it and paint themselves.
  const int saved = SaveDC(paint.Get());
  RECT box{};
  GetWindowRect(Handle(), &box);
  for (HWND other = GetWindow(Handle(), GW_HWNDFIRST); other;
       other = GetWindow(other, GW_HWNDNEXT)) {
    RECT r{}, hit{};
    if (other == Handle() || !IsWindowVisible(other) || !GetWindowRect(other, &r) ||
        !IntersectRect(&hit, &r, &box))
      continue;
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&hit), 2);
    ExcludeClipRect(paint.Get(), hit.left, hit.top, hit.right, hit.bottom);
  }
  BitBlt(paint.Get(), 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
  RestoreDC(paint.Get(), saved);
}

void TvtGroupBoxWnd::PaintImage() {
  TBitmap* image = SizedImage();
  if (!image) return;
  const int w = image->Width(), h = image->Height();
  const BackgroundInfo behind = Behind();
  const SIZE text = CaptionTextSize();
  const PixelRect caption = GroupBoxCaptionRect(text.cx, text.cy);
  const int frameTop = std::min(caption.Height() / 2, h);
  CopyBehind(*image, behind, {0, 0, w, frameTop});
  PaintControlSection(*SkinData(), behind, true, true, image->Pixels(), {0, frameTop},
                      {0, frameTop, w, h}, 0);
  if (WindowText.empty()) return;
  CopyBehind(*image, behind, caption);
  const RECT r{caption.Left, caption.Top, std::min(caption.Right, w), caption.Bottom};
  DrawAdapterText(image->DC(), WindowFont(), WindowText, IsWindowEnabled(Handle()) != FALSE, r,
                  DT_CENTER | DT_SINGLELINE | DT_VCENTER, *SkinData(), false);
}

}  // namespace folvane
