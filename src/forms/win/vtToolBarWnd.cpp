#include "forms/win/vtToolBarWnd.h"

#include <commctrl.h>

#include <string>

#include "forms/win/AdapterPaintDC.h"
#include "paint/SectionPainting.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

constexpr int kGlyphTop = 3;

std::wstring ButtonText(HWND bar, int command) {
  const LRESULT n = SendMessageW(bar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), 0);
  if (n <= 0) return {};
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  SendMessageW(bar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(n));
  return text;
}

}  // namespace

void TvtToolBarWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT: {
      AdapterPaint paint(Handle(), m.wParam);
      PaintInto(paint.Get());
      m.result = 0;
      return;
    }
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return;
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    case WM_NCPAINT:
      if (!(GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) break;
      PaintBorder();
      m.result = 0;
      return;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      TvtMainWnd::HandleMessage(m);
      MarkImageChanged();
      RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtToolBarWnd::PaintInto(HDC dc) {
  if (!dc || SkinData()->PaintSuspended) return;
  RefreshGeometry();
  if (!FirstPaintDone) PrepareFirstPaint();
  MarkImageChanged();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  const POINT client = ClientOrigin();
  BitBlt(dc, -client.x, -client.y, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

void TvtToolBarWnd::PaintBorder() {
  RefreshGeometry();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  NonClientDC dc(Handle());
  if (!dc.Get()) return;
  const POINT client = ClientOrigin();
  RECT r{};
  GetClientRect(Handle(), &r);
  ExcludeClipRect(dc.Get(), client.x, client.y, client.x + r.right, client.y + r.bottom);
  BitBlt(dc.Get(), 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

void TvtToolBarWnd::PaintImage() {
  TBitmap* image = SizedImage();
  if (!image) return;
  PaintSectionImage(0);
  const int count = static_cast<int>(SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0));
  const int hot = static_cast<int>(SendMessageW(Handle(), TB_GETHOTITEM, 0, 0));
  const POINT client = ClientOrigin();
  for (int i = 0; i < count; ++i) PaintButton(*image, i, hot, client);
  GdiFlush();
}

void TvtToolBarWnd::PaintButton(TBitmap& image, int index, int hotIndex, POINT client) {
  const SkinModel* model = SkinData()->Model();
  TBBUTTON button{};
  if (!model ||
      !SendMessageW(Handle(), TB_GETBUTTON, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&button)) ||
      (button.fsState & TBSTATE_HIDDEN) || (button.fsStyle & BTNS_SEP))
    return;
  RECT r{};
  SendMessageW(Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  OffsetRect(&r, client.x, client.y);
  const PixelRect cell = ClampRect({r.left, r.top, r.right, r.bottom}, image.Width(), image.Height());
  if (cell.IsEmpty()) return;
  const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
  const int state = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) ? 2
                    : (enabled && index == hotIndex)                       ? 1
                                                                           : 0;
  const int section = model->FindSection("TOOLBUTTON");
  const bool flat = (GetWindowLongPtrW(Handle(), GWL_STYLE) & TBSTYLE_FLAT) != 0;
  if (state > 0 || !flat)
    PaintSection(section, "TOOLBUTTON", BitmapBackground(image.Pixels()), -1, -1, *model,
                 image.Pixels(), {cell.Left, cell.Top}, cell, state, true);

  const std::wstring text = ButtonText(Handle(), button.idCommand);
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), TB_GETIMAGELIST, 0, 0));
  int glyphBottom = r.top;
  if (images && button.iBitmap >= 0) {
    int gw = 0, gh = 0;
    ImageList_GetIconSize(images, &gw, &gh);
    const int x = r.left + (r.right - r.left - gw) / 2 + (state == 2 ? 1 : 0);
    const int y = text.empty() ? r.top + (r.bottom - r.top - gh) / 2 : r.top + kGlyphTop;
    ImageList_DrawEx(images, button.iBitmap, image.DC(), x, y, gw, gh, CLR_NONE, CLR_NONE,
                     enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
    glyphBottom = y + gh;
  }
  if (text.empty()) return;
  TextCanvas canvas(image.DC());
  canvas.Font = FontFromHandle(reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  RECT textRect{r.left, glyphBottom, r.right, r.bottom};
  DrawSectionText(canvas, text, enabled, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                  section, state != 0, SkinManager());
}

}  // namespace folvane
