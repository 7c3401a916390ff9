#include "forms/win/vtStatusBarWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "forms/win/AdapterPaintDC.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

namespace {

constexpr int kTextInset = 4;
constexpr int kDividerWidth = 2;

std::wstring PartText(HWND bar, WPARAM part) {
  const LRESULT info = SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0);
  std::wstring text(static_cast<size_t>(LOWORD(info)) + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

}  // namespace

void TvtStatusBarWnd::HandleMessage(Message& m) {
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
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(m.wParam));
      m.result = 1;
      return;
    case WM_NCPAINT:
      m.result = 0;
      return;
    case WM_SIZE:
      TvtMainWnd::HandleMessage(m);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
      return;
    case SB_SETTEXTW:
    case SB_SETTEXTA:
    case SB_SIMPLE:
    case SB_SETPARTS:
      TvtMainWnd::HandleMessage(m);
      MarkImageChanged();
      InvalidateRect(Handle(), nullptr, FALSE);
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtStatusBarWnd::PaintInto(HDC dc) {
  if (!dc || SkinData()->PaintSuspended || FormAnimating) return;
  RefreshGeometry();
  if (!FirstPaintDone) PrepareFirstPaint();
  MarkImageChanged();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  if (!image || image->Empty()) return;
  const POINT client = ClientOrigin();
  BitBlt(dc, -client.x, -client.y, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

void TvtStatusBarWnd::PaintImage() {
  TBitmap* image = SizedImage();
  if (!image) return;
  PaintSectionImage(0);
  const POINT client = ClientOrigin();
  if (SendMessageW(Handle(), SB_ISSIMPLE, 0, 0)) {
    RECT r{};
    GetClientRect(Handle(), &r);
    OffsetRect(&r, client.x, client.y);
    // Some status bars answer for the simple text only under part 0.
    std::wstring text = PartText(Handle(), SB_SIMPLEID);
    if (text.empty()) text = PartText(Handle(), 0);
    PaintPanel(*image, r, text, true);
  } else {
    const int count = static_cast<int>(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
    for (int i = 0; i < count; ++i) {
      RECT r{};
      if (!SendMessageW(Handle(), SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
        continue;
      OffsetRect(&r, client.x, client.y);
      PaintPanel(*image, r, PartText(Handle(), static_cast<WPARAM>(i)), i == count - 1);
    }
  }
  if (GetWindowLongPtrW(Handle(), GWL_STYLE) & SBARS_SIZEGRIP) PaintGrip(*image);
}

void TvtStatusBarWnd::PaintPanel(TBitmap& image, RECT r, const std::wstring& text, bool last) {
  const SkinModel* model = SkinData()->Model();
  if (!model) return;
  const BackgroundInfo self = BitmapBackground(image.Pixels());
  const PixelRect panel{r.left, r.top, r.right, r.bottom};
  const int frame =
      model->FindMask(SkinData()->SectionIndex, SkinData()->SectionName(), "STATUSPANELMASK");
  if (const TsMaskData* mask = model->Mask(frame))
    PaintMask(image.Pixels(), ClampRect(panel, image.Width(), image.Height()), false, true, 0,
              *mask, self);
  if (!last) {
    const int divider = model->FindSection("DIVIDER");
    const PixelRect strip =
        ClampRect({r.right - kDividerWidth, r.top, r.right, r.bottom}, image.Width(), image.Height());
    if (!strip.IsEmpty())
      PaintSection(divider, "DIVIDER", BitmapBackground(image.Pixels()), -1, -1, *model,
                   image.Pixels(), {strip.Left, strip.Top}, strip, 0, true);
  }
  if (text.empty()) return;
  TextCanvas canvas(image.DC());
  auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  canvas.Font = HostControl() ? HostControl()->Font() : FontFromHandle(font);
  RECT textRect{r.left + kTextInset, r.top, r.right - kTextInset, r.bottom};
  DrawSectionText(canvas, text, IsWindowEnabled(Handle()) != FALSE, textRect,
                  DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                  SkinData()->SectionIndex, false, SkinManager());
  GdiFlush();
}

void TvtStatusBarWnd::PaintGrip(TBitmap& image) {
  const SkinModel* model = SkinData()->Model();
  if (!model) return;
  const int globals = model->FindSection("GLOBALINFO");
  const int grip = model->FindMask(globals, "GLOBALINFO", "GRIPIMAGE");
  const TsMaskData* mask = model->Mask(grip);
  if (!mask) return;
  const MaskSize size = model->MaskStateSize(grip);
  PaintGlyph(image.Pixels(),
             {std::max(image.Width() - size.x, 0), std::max(image.Height() - size.y, 0)}, 0,
             BitmapBackground(image.Pixels()), *mask, kGlyphNormal);
}

}  // namespace folvane
