#include "forms/win/vtListWnds.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "forms/win/AdapterPaintDC.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/ScrollSection.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sSkinText.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

COLORREF Rgb(TColor c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

void DrawGlyphCentred(PixelBuffer& px, const SkinModel& model, int maskIndex, RECT area, int state,
                      const BackgroundInfo& bg) {
  const TsMaskData* mask = model.Mask(maskIndex);
  if (!mask) return;
  const int w = mask->Width() / std::max(mask->ImageCount, 1);
  const int h = mask->Height() / (mask->MaskType > 0 ? 2 : 1);
  PaintGlyph(px, {area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2},
             state, bg, *mask, kGlyphNormal);
}

}  // namespace

// --- tree view

void TvtTreeViewWnd::OnAttach() {
  savedBack_ = static_cast<COLORREF>(SendMessageW(Handle(), TVM_GETBKCOLOR, 0, 0));
  savedText_ = static_cast<COLORREF>(SendMessageW(Handle(), TVM_GETTEXTCOLOR, 0, 0));
  saved_ = true;
  SendMessageW(Handle(), TVM_SETBKCOLOR, 0, Rgb(ClientColor()));
  SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, Rgb(TextColor()));
}

void TvtTreeViewWnd::OnDetach() {
  TvtEditWnd::OnDetach();
  if (!saved_ || !IsWindow(Handle())) return;
  saved_ = false;
  SendMessageW(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(savedBack_));
  SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(savedText_));
}

// --- list view

TvtListViewWnd::~TvtListViewWnd() = default;

void TvtListViewWnd::OnAttach() {
  savedBack_ = static_cast<COLORREF>(SendMessageW(Handle(), LVM_GETBKCOLOR, 0, 0));
  savedText_ = static_cast<COLORREF>(SendMessageW(Handle(), LVM_GETTEXTCOLOR, 0, 0));
  savedTextBack_ = static_cast<COLORREF>(SendMessageW(Handle(), LVM_GETTEXTBKCOLOR, 0, 0));
  saved_ = true;
  SendMessageW(Handle(), LVM_SETBKCOLOR, 0, Rgb(ClientColor()));
  SendMessageW(Handle(), LVM_SETTEXTBKCOLOR, 0, Rgb(ClientColor()));
  SendMessageW(Handle(), LVM_SETTEXTCOLOR, 0, Rgb(TextColor()));
  AdaptHeader();
}

void TvtListViewWnd::AdaptHeader() {
  HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  if (!header || header_ || AdapterOf(header)) return;
  header_ = TvtMainWnd::Attach<TvtHeaderWnd>(header, L"COLHEADER", SkinManager(), nullptr);
}

void TvtListViewWnd::OnDetach() {
  header_.reset();
  TvtEditWnd::OnDetach();
  if (!saved_ || !IsWindow(Handle())) return;
  saved_ = false;
  SendMessageW(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(savedBack_));
  SendMessageW(Handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(savedTextBack_));
  SendMessageW(Handle(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(savedText_));
}

void TvtListViewWnd::HandleMessage(Message& m) {
  TvtEditWnd::HandleMessage(m);
  // A report view makes its header when it first needs one.
  if (m.msg == LVM_SETVIEW || m.msg == LVM_INSERTCOLUMNW || m.msg == WM_STYLECHANGED)
    if (!Released()) AdaptHeader();
}

void TvtListViewWnd::SendScroll(TvtScrollBar& bar, int code, int pos) {
  if (code != SB_THUMBTRACK && code != SB_THUMBPOSITION) {
    TvtEditWnd::SendScroll(bar, code, pos);
    return;
  }
  const int delta = pos - bar.Info.nPos;
  if (delta == 0) return;
  int dx = 0, dy = 0;
  const LONG_PTR view = GetWindowLongPtrW(Handle(), GWL_STYLE) & LVS_TYPEMASK;
  if (bar.Vertical()) {
    // A report view scrolls by items, the others by pixels.
    RECT item{LVIR_BOUNDS};
    const bool rows = view == LVS_REPORT || view == LVS_LIST;
    const int line = rows && SendMessageW(Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))
                         ? item.bottom - item.top
                         : 1;
    dy = delta * std::max(line, 1);
  } else {
    dx = delta;
  }
  SendMessageW(Handle(), LVM_SCROLL, static_cast<WPARAM>(dx), dy);
  UpdateScrollInfo(true);
}

// --- header

void TvtHeaderWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return;
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtHeaderWnd::Paint(HDC given) {
  AdapterPaint paint(Handle(), reinterpret_cast<WPARAM>(given));
  if (SkinData()->PaintSuspended) return;
  RefreshGeometry();
  MarkImageChanged();
  RenderImage();
  RECT all{0, 0, WindowExtent.cx, WindowExtent.cy};
  CopyImage(paint.Get(), all);
}

void TvtHeaderWnd::PaintImage() {
  TBitmap* image = SizedImage();
  const SkinModel* model = SkinData()->Model();
  if (!image || !model) return;
  PaintSectionImage(0);
  PixelBuffer& px = image->Pixels();
  const BackgroundInfo behind = Behind();
  const int count = static_cast<int>(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0));
  const SkinCachedIndexes& indexes = model->CachedIndexes();
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
      continue;
    r.right = std::min<LONG>(r.right, px.Width());
    if (r.right <= r.left) continue;
    PaintControlSection(*SkinData(), behind, true, true, px, {r.left, r.top},
                        {r.left, r.top, r.right, r.bottom}, 0);
    wchar_t text[260] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(Handle(), HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    RECT textRect{r.left + 6, r.top, r.right - 6, r.bottom};
    if (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) {
      const RECT arrow{r.right - 16, r.top, r.right - 2, r.bottom};
      DrawGlyphCentred(px, *model, item.fmt & HDF_SORTUP ? indexes.ScrollBtnTopGlyph : indexes.ScrollBtnBottomGlyph,
                       arrow, 0, BitmapBackground(px));
      textRect.right = arrow.left;
    }
    TextCanvas canvas(image->DC());
    canvas.Font = WindowFont();
    const UINT align = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                       : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                    : DT_LEFT;
    DrawSectionText(canvas, text, IsWindowEnabled(Handle()) != FALSE, textRect,
                    align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                    SkinData()->SectionIndex, false, SkinManager());
    GdiFlush();
  }
}

// --- combo box

TvtComboBoxWnd::~TvtComboBoxWnd() = default;

void TvtComboBoxWnd::OnAttach() {
  COMBOBOXINFO info{sizeof(info)};
  if (!GetComboBoxInfo(Handle(), &info) || !info.hwndList || AdapterOf(info.hwndList)) return;
  list_ = TvtMainWnd::Attach<TvtComboListWnd>(info.hwndList, L"EDIT", SkinManager(), nullptr);
}

void TvtComboBoxWnd::OnDetach() {
  list_.reset();
  TvtEditWnd::OnDetach();
}

void TvtComboBoxWnd::HandleMessage(Message& m) {
  if (!Skinned() || Released()) {
    TvtEditWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT: {
      // The combo box paints its text and focus; the frame and the button
      // go over what it painted.
      TvtEditWnd::HandleMessage(m);
      PaintOver(nullptr);
      return;
    }
    case WM_PRINTCLIENT:
      TvtEditWnd::HandleMessage(m);
      PaintOver(reinterpret_cast<HDC>(m.wParam));
      return;
    default:
      break;
  }
  TvtEditWnd::HandleMessage(m);
  switch (m.msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case CB_SHOWDROPDOWN:
    case SM_VANTILECMD:
      if (!Released() && IsWindowVisible(Handle())) PaintOver(nullptr);
      break;
    default:
      break;
  }
}

void TvtComboBoxWnd::PaintImage() {
  PaintSectionImage(PaintState());
  TBitmap* image = SkinData()->CacheBitmap();
  const SkinModel* model = SkinData()->Model();
  COMBOBOXINFO info{sizeof(info)};
  if (!image || image->Empty() || !model || !GetComboBoxInfo(Handle(), &info)) return;
  RECT button = info.rcButton;
  if (IsRectEmpty(&button)) return;
  const POINT client = ClientOrigin();
  OffsetRect(&button, client.x, client.y);
  const SkinCachedIndexes& i = model->CachedIndexes();
  const int state = info.stateButton & STATE_SYSTEM_PRESSED ? 2 : PaintState();
  PixelBuffer& px = image->Pixels();
  const PixelBuffer backdrop = px.Clone();
  const BackgroundInfo over = BitmapBackground(backdrop);
  PaintScrollSection(i.ComboBtn, i.ComboBtnBorder, i.ComboBtnPattern, i.ComboBtnHotPattern, over,
                     *model, px, {button.left, button.top},
                     {button.left, button.top, button.right, button.bottom}, state, true);
  DrawGlyphCentred(px, *model, i.ComboBoxGlyph, button, state, over);
  if (!IsWindowEnabled(Handle())) BlendDisabled();
}

void TvtComboBoxWnd::PaintOver(HDC given) {
  if (SkinData()->PaintSuspended) return;
  RefreshGeometry();
  MarkImageChanged();
  RenderImage();
  TBitmap* image = SkinData()->CacheBitmap();
  COMBOBOXINFO info{sizeof(info)};
  if (!image || image->Empty() || !GetComboBoxInfo(Handle(), &info)) return;
  std::optional<NonClientDC> own;
  if (!given) own.emplace(Handle());
  HDC dc = given ? given : own->Get();
  if (!dc) return;
  const int saved = SaveDC(dc);
  const POINT client = ClientOrigin();
  // The text field stays as the combo box (or its edit) painted it.
  RECT item = info.rcItem;
  OffsetRect(&item, client.x, client.y);
  ExcludeClipRect(dc, item.left, item.top, item.right, item.bottom);
  if (given) OffsetViewportOrgEx(dc, -client.x, -client.y, nullptr);
  BitBlt(dc, 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

}  // namespace folvane
