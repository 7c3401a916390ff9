#include "forms/win/vtDialogWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "forms/RegionHoles.h"
#include "forms/win/NonClientDC.h"
#include "paint/BackgroundInfo.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Graphics.h"
#include "runtime/win/HandleCount.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

constexpr UINT_PTR kDialogSubclassId = 0x5644;  // "VD": one dialog adapter per window
const char kDialogSection[] = "DIALOG";
const char kTitleSection[] = "FORMTITLE";
const char kGlobalInfo[] = "GLOBALINFO";
constexpr int kMissingGlyphSize = 21;

bool StyleHas(LONG_PTR style, LONG_PTR bits) { return (style & bits) == bits; }

std::wstring WindowText(HWND wnd) {
  const int length = GetWindowTextLengthW(wnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), length + 1)));
  return text;
}

void CaptionFontInto(TFont& font) {
  NONCLIENTMETRICSW metrics;
  if (!ReadNonClientMetrics(metrics)) return;
  font.SetName(metrics.lfCaptionFont.lfFaceName);
  font.SetHeight(metrics.lfCaptionFont.lfHeight);
  font.SetStyle(metrics.lfCaptionFont.lfWeight >= FW_BOLD ? fsBold : 0);
}

HICON DialogIcon(HWND wnd) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  return icon;
}

}  // namespace

TvtDialogWnd::TvtDialogWnd(HWND wnd, TsSkinManager& manager) : wnd_(wnd), manager_(&manager) {
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  hasSysMenu_ = (style & WS_SYSMENU) != 0;
  hasCaption_ = StyleHas(style, WS_CAPTION);
  if ((style & WS_POPUP) && !hasCaption_)
    frameKind_ = 2;
  else if (style & WS_THICKFRAME)
    frameKind_ = 3;
  else
    frameKind_ = 0;
  if (!SetWindowSubclass(wnd, Proc, kDialogSubclassId, reinterpret_cast<DWORD_PTR>(this))) return;
  HandleCount::Created(HandleKind::Subclass);
  subclassed_ = true;
  // The adapter draws its own close button and window menu; without the
  // style the system paints none of its own over them.
  if (hasSysMenu_) SetWindowLongPtrW(wnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
  clientBrush_.Reset(CreateSolidBrush(ClientColor()));
  if (hasSysMenu_) sysMenu_ = std::make_unique<TvtSystemMenu>(wnd);
  Render();
}

TvtDialogWnd::~TvtDialogWnd() {
  const bool live = subclassed_ && IsWindow(wnd_);
  Release();
  if (!live) return;
  if (hasSysMenu_)
    SetWindowLongPtrW(wnd_, GWL_STYLE, GetWindowLongPtrW(wnd_, GWL_STYLE) | WS_SYSMENU);
  if (appliedSize_.cx >= 0) SetWindowRgn(wnd_, nullptr, FALSE);
  RedrawWindow(wnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TvtDialogWnd::Release() {
  if (!subclassed_) return;
  subclassed_ = false;
  if (IsWindow(wnd_)) RemoveWindowSubclass(wnd_, Proc, kDialogSubclassId);
  HandleCount::Released(HandleKind::Subclass);
}

// --- geometry, from the system's metrics

int TvtDialogWnd::BorderWidth() const {
  if (frameKind_ == 2) return 0;
  return GetSystemMetrics(frameKind_ == 3 ? SM_CXFRAME : SM_CXDLGFRAME);
}

int TvtDialogWnd::BorderHeight() const {
  if (frameKind_ == 2) return 0;
  return GetSystemMetrics(frameKind_ == 3 ? SM_CYFRAME : SM_CYDLGFRAME);
}

int TvtDialogWnd::CaptionHeight() const {
  if (frameKind_ == 2 || !hasCaption_) return 0;
  return GetSystemMetrics(SM_CYCAPTION);
}

POINT TvtDialogWnd::ClientOffset() const {
  RECT window{};
  GetWindowRect(wnd_, &window);
  POINT origin{0, 0};
  ClientToScreen(wnd_, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

int TvtDialogWnd::CloseGlyph() const {
  const SkinModel& model = manager_->Model();
  const int info = model.FindSection(kGlobalInfo);
  if (info < 0) return kNoIndex;
  const bool big = frameKind_ == 3;
  int glyph = model.FindMask(info, kGlobalInfo, big ? "BICONCLOSE" : "SICONCLOSE");
  if (!model.MaskIndexValid(glyph)) glyph = model.FindMask(info, kGlobalInfo, "BICONCLOSE");
  return glyph;
}

RECT TvtDialogWnd::CloseButtonRect() const {
  if (!hasSysMenu_ || CaptionHeight() == 0) return {};
  const SkinModel& model = manager_->Model();
  const int glyph = CloseGlyph();
  MaskSize size{kMissingGlyphSize, kMissingGlyphSize};
  if (model.MaskIndexValid(glyph)) size = model.MaskStateSize(glyph);
  RECT window{};
  GetWindowRect(wnd_, &window);
  const int right = window.right - window.left - BorderWidth() - 2;
  const int top = std::max((CaptionHeight() + BorderHeight() - size.y) / 2, 0);
  return {right - size.x, top, right, top + size.y};
}

RECT TvtDialogWnd::IconRect() const {
  if (CaptionHeight() == 0 || !DialogIcon(wnd_)) return {};
  const int size = GetSystemMetrics(SM_CXSMICON);
  const int top = (BorderHeight() + CaptionHeight() - size) / 2;
  return {BorderWidth(), top, BorderWidth() + size, top + size};
}

void TvtDialogWnd::ShowWindowMenu(int x, int y) {
  if (!sysMenu_) return;
  const LONG_PTR style = GetWindowLongPtrW(wnd_, GWL_STYLE);
  DialogMenuState state;
  state.FrameKind = frameKind_;
  state.SysMenu = hasSysMenu_;
  state.MinimizeBox = (style & WS_MINIMIZEBOX) != 0;
  state.MaximizeBox = (style & WS_MAXIMIZEBOX) != 0;
  state.Zoomed = IsZoomed(wnd_) != FALSE;
  state.Iconic = IsIconic(wnd_) != FALSE;
  sysMenu_->Refresh(state);
  sysMenu_->PopupAt(x, y);
}

void TvtDialogWnd::ShowWindowMenuBelowIcon() {
  RECT window{};
  GetWindowRect(wnd_, &window);
  ShowWindowMenu(window.left + BorderWidth(),
                 window.top + BorderHeight() + GetSystemMetrics(SM_CYSMICON));
}

TColor TvtDialogWnd::ClientColor() const {
  const SkinModel& model = manager_->Model();
  const TsGeneralData* section = model.Section(model.FindSection(kDialogSection));
  return section ? section->Color : model.GlobalBackColor();
}

// --- the window image

void TvtDialogWnd::Render() {
  RECT window{};
  if (!GetWindowRect(wnd_, &window)) return;
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return;
  if (image_.Width() != w || image_.Height() != h) {
    try {
      image_ = TBitmap(w, h, PixelFormat::Bgr24);
    } catch (const std::exception&) {
      image_ = TBitmap();
      return;
    }
  }
  const SkinModel& model = manager_->Model();
  const int state = ActiveLook ? 1 : 0;
  PixelBuffer& pixels = image_.Pixels();
  const int dialog = model.FindSection(kDialogSection);
  if (dialog >= 0) {
    PaintSection(dialog, kDialogSection, ColorBackground(ClientColor()), -1, -1, model, pixels,
                 {0, 0}, {0, 0, w, h}, state, false);
  }
  RenderCaption(model.FindSection(kTitleSection));
  ApplyRegion();
}

void TvtDialogWnd::ApplyRegion() {
  if (frameKind_ == 2) return;
  constexpr UINT kRegionOptOut = 0xBC4D;
  constexpr WPARAM kKeepRectangular = 16802;
  if (SendMessageW(wnd_, kRegionOptOut, kKeepRectangular, 0) ==
      static_cast<LRESULT>(kKeepRectangular))
    return;
  const SkinModel& model = manager_->Model();
  const int dialog = model.FindSection(kDialogSection);
  const int title = model.FindSection(kTitleSection);
  const int frameMask = dialog >= 0 ? model.FindMask(dialog, kDialogSection, "BORDERSMASK") : kNoIndex;
  const int titleMask =
      title >= 0 && CaptionHeight() > 0 ? model.FindMask(title, kTitleSection, "BORDERSMASK") : kNoIndex;
  const SIZE size{image_.Width(), image_.Height()};
  std::vector<PixelRect> holes = RegionHolesFor(model, frameMask, titleMask, size.cx, size.cy);
  // The same region again would only repaint the frame, whose paint would
  // set it again.
  if (size.cx == appliedSize_.cx && size.cy == appliedSize_.cy && holes == appliedHoles_) return;
  appliedSize_ = size;
  appliedHoles_ = std::move(holes);
  HRGN region = CreateRectRgn(0, 0, size.cx, size.cy);
  if (!region) return;
  for (const PixelRect& hole : appliedHoles_) {
    RegionHandle cut(CreateRectRgn(hole.Left, hole.Top, hole.Right, hole.Bottom));
    CombineRgn(region, region, cut.Get(), RGN_DIFF);
  }
  // The window owns the region from here on.
  if (!SetWindowRgn(wnd_, region, TRUE)) DeleteObject(region);
}

void TvtDialogWnd::RenderCaption(int sectionIndex) {
  const int band = BorderHeight() + CaptionHeight();
  if (CaptionHeight() == 0) return;
  const SkinModel& model = manager_->Model();
  PixelBuffer& pixels = image_.Pixels();
  const int w = pixels.Width();
  const int state = ActiveLook ? 1 : 0;
  if (sectionIndex >= 0)
    PaintSection(sectionIndex, kTitleSection, BitmapBackground(pixels), -1, -1, model, pixels,
                 {0, 0}, {0, 0, w, std::min(band, pixels.Height())}, state, true);
  const int iconSize = GetSystemMetrics(SM_CXSMICON);
  int textLeft = BorderWidth() + 4;
  if (HICON icon = DialogIcon(wnd_)) {
    DrawIconEx(image_.DC(), BorderWidth(), (band - iconSize) / 2, icon, iconSize, iconSize, 0,
               nullptr, DI_NORMAL);
    GdiFlush();
    textLeft += iconSize;
  }
  const RECT close = CloseButtonRect();
  const int glyph = CloseGlyph();
  if (close.right > close.left && model.MaskIndexValid(glyph))
    PaintGlyph(pixels, {close.left, close.top}, closeState_, BitmapBackground(pixels),
               *model.Mask(glyph), ActiveLook ? kGlyphNormal : kGlyphFaded);
  const int textRight = (close.right > close.left ? close.left : w - BorderWidth()) - 6;
  DrawCaptionText({textLeft, BorderHeight(), textRight, band});
}

void TvtDialogWnd::DrawCaptionText(const RECT& box) {
  const std::wstring text = WindowText(wnd_);
  if (text.empty() || box.right <= box.left) return;
  TextCanvas canvas(image_.DC());
  CaptionFontInto(canvas.Font);
  canvas.BrushClear = true;
  const SIZE extent = TextExtent(canvas, text);
  RECT r = box;
  r.top += (r.bottom - r.top - extent.cy) / 2;
  r.bottom = r.top + extent.cy;
  const int title = manager_->Model().FindSection(kTitleSection);
  DrawSectionText(canvas, text, IsWindowEnabled(wnd_) != FALSE, r,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, title, ActiveLook,
                  manager_);
  GdiFlush();
}

void TvtDialogWnd::PaintFrame() {
  if (image_.Width() == 0) return;
  const POINT offset = ClientOffset();
  RECT client{};
  GetClientRect(wnd_, &client);
  const int w = image_.Width(), h = image_.Height();
  const int right = offset.x + client.right, bottom = offset.y + client.bottom;
  NonClientDC dc(wnd_);
  HDC src = image_.DC();
  BitBlt(dc.Get(), 0, 0, w, offset.y, src, 0, 0, SRCCOPY);
  BitBlt(dc.Get(), 0, offset.y, offset.x, h - offset.y, src, 0, offset.y, SRCCOPY);
  BitBlt(dc.Get(), offset.x, bottom, w - offset.x, h - bottom, src, offset.x, bottom, SRCCOPY);
  BitBlt(dc.Get(), right, offset.y, w - right, bottom - offset.y, src, right, offset.y, SRCCOPY);
}

// --- the caption's close button

LRESULT TvtDialogWnd::HitTest(LPARAM lp) {
  RECT window{};
  GetWindowRect(wnd_, &window);
  const POINT p{static_cast<short>(LOWORD(lp)) - window.left,
                static_cast<short>(HIWORD(lp)) - window.top};
  const RECT close = CloseButtonRect();
  if (PtInRect(&close, p)) return HTCLOSE;
  const RECT icon = IconRect();
  if (sysMenu_ && PtInRect(&icon, p)) return HTSYSMENU;
  if (p.y >= BorderHeight() && p.y < BorderHeight() + CaptionHeight() && p.x >= BorderWidth() &&
      p.x < window.right - window.left - BorderWidth())
    return HTCAPTION;
  return -1;
}

void TvtDialogWnd::SetCloseState(int state) {
  if (state == closeState_) return;
  closeState_ = state;
  Render();
  PaintFrame();
}

// --- messages

LRESULT TvtDialogWnd::SkinCommand(WPARAM wp, LPARAM lp) {
  switch (SkinCommandCode(wp)) {
    case SKC_ISSKINNED:
      return 1;
    case SKC_GETBGCOLOR:
      return static_cast<LRESULT>(ClientColor());
    case SKC_GETCLIENTOFFSET: {
      const POINT offset = ClientOffset();
      return MAKELONG(offset.x, offset.y);
    }
    case SKC_GETBACKGROUND:
      if (lp) AnswerBackground(*reinterpret_cast<BackgroundRequest*>(lp));
      return 0;
    default:
      return 0;
  }
}

// A child asks in the dialog's client coordinates; the image starts at the
// window's top-left.
void TvtDialogWnd::AnswerBackground(BackgroundRequest& r) {
  if (image_.Width() == 0) Render();
  if (image_.Width() == 0) {
    r.Kind = kBackgroundColor;
    r.Color = ClientColor();
    return;
  }
  const POINT offset = ClientOffset();
  r.Kind = kBackgroundBitmap;
  if (r.PaintInto) {
    if (r.DC)
      BitBlt(r.DC, r.Rect.left, r.Rect.top, r.Rect.right - r.Rect.left, r.Rect.bottom - r.Rect.top,
             image_.DC(), r.OffsetX + offset.x, r.OffsetY + offset.y, SRCCOPY);
    return;
  }
  r.Bitmap = &image_;
  r.OffsetX += offset.x;
  r.OffsetY += offset.y;
}

LRESULT TvtDialogWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  handled = true;
  switch (msg) {
    case WM_NCPAINT:
      if (!IsWindowVisible(wnd_)) break;
      Render();
      PaintFrame();
      return 0;
    case WM_NCACTIVATE: {
      // The system paints its own caption here: the skinned one follows.
      const LRESULT result = DefSubclassProc(wnd_, msg, wp, lp);
      ActiveLook = wp != 0;
      Render();
      PaintFrame();
      return result;
    }
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = DefSubclassProc(wnd_, msg, wp, lp);
      Render();
      PaintFrame();
      return result;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = DefSubclassProc(wnd_, msg, wp, lp);
      Render();
      if (IsWindowVisible(wnd_)) PaintFrame();
      return result;
    }
    case WM_ERASEBKGND: {
      if (image_.Width() == 0) Render();
      const POINT offset = ClientOffset();
      RECT client{};
      GetClientRect(wnd_, &client);
      BitBlt(reinterpret_cast<HDC>(wp), 0, 0, client.right, client.bottom, image_.DC(), offset.x,
             offset.y, SRCCOPY);
      return 1;
    }
    case WM_CTLCOLORDLG:
      return reinterpret_cast<LRESULT>(clientBrush_.Get());
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      auto dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, ClientColor());
      const SkinModel& model = manager_->Model();
      if (const TsGeneralData* s = model.Section(model.FindSection(kDialogSection)))
        SetTextColor(dc, s->FontColor);
      return reinterpret_cast<LRESULT>(clientBrush_.Get());
    }
    case WM_NCHITTEST: {
      const LRESULT code = HitTest(lp);
      if (code == HTCLOSE) {
        if (closeState_ == 0) SetCloseState(1);
        return code;
      }
      if (closeState_ == 1) SetCloseState(0);
      if (code == HTCAPTION || code == HTSYSMENU) return code;
      break;
    }
    case WM_NCLBUTTONDOWN:
      if (wp == HTCLOSE) {
        SetCloseState(2);
        return 0;
      }
      if (wp == HTSYSMENU) {
        ShowWindowMenuBelowIcon();
        return 0;
      }
      break;
    case WM_NCLBUTTONUP:
      if (wp == HTCLOSE && closeState_ == 2) {
        SetCloseState(0);
        PostMessageW(wnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
      }
      if (closeState_ != 0) SetCloseState(0);
      break;
    case WM_NCMOUSELEAVE:
      if (closeState_ != 0) SetCloseState(0);
      break;
    case WM_NCLBUTTONDBLCLK:
      if (wp == HTSYSMENU && sysMenu_) PostMessageW(wnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;  // a dialog box is not maximized from its caption
    case WM_NCRBUTTONDOWN:
      if (wp == HTCAPTION || wp == HTSYSMENU) return 0;
      break;
    case WM_NCRBUTTONUP:
      if (wp == HTCAPTION || wp == HTSYSMENU)
        ShowWindowMenu(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    case WM_SYSCOMMAND:
      // Alt+Space: the system has no menu of its own to show any more.
      if ((wp & 0xFFF0) == SC_KEYMENU && lp == VK_SPACE && sysMenu_) {
        ShowWindowMenuBelowIcon();
        return 0;
      }
      break;
    case WM_NCDESTROY: {
      const LRESULT result = DefSubclassProc(wnd_, msg, wp, lp);
      Release();
      return result;
    }
    default:
      break;
  }
  handled = false;
  return 0;
}

LRESULT CALLBACK TvtDialogWnd::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                    DWORD_PTR data) {
  auto* self = reinterpret_cast<TvtDialogWnd*>(data);
  try {
    if (msg == SM_VANTILECMD) return self->SkinCommand(wp, lp);
    bool handled = false;
    const LRESULT result = self->HandleMessage(msg, wp, lp, handled);
    if (handled) return result;
  } catch (...) {
    // The dialog keeps working with the system's painting.
  }
  return DefSubclassProc(wnd, msg, wp, lp);
}

}  // namespace folvane
