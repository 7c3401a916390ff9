#include "runtime/win/ExtCtrls.h"

#include <windowsx.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "runtime/Exception.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { Font().SetColor(clWindowText); }

void TLabel::SetCaption(const std::wstring& text) {
  TControl::SetCaption(text);
  AdjustSize();
}

void TLabel::AdjustSize() {
  if (!AutoSize || WordWrap) return;
  WindowDC screen(nullptr);
  RECT r{0, 0, 0, 0};
  DoDrawText(screen.Get(), r, TextFlags() | DT_CALCRECT);
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

UINT TLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  if (Alignment == TAlignment::taCenter) flags |= DT_CENTER;
  else if (Alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (!ShowAccelChar) flags |= DT_NOPREFIX;
  switch (EllipsisPosition) {
    case TEllipsisPosition::epPathEllipsis: flags |= DT_PATH_ELLIPSIS; break;
    case TEllipsisPosition::epEndEllipsis: flags |= DT_END_ELLIPSIS; break;
    case TEllipsisPosition::epWordEllipsis: flags |= DT_WORD_ELLIPSIS; break;
    case TEllipsisPosition::epNone: break;
  }
  return flags;
}

std::wstring TLabel::TextToDraw(UINT flags) const {
  std::wstring text = Caption();
  // Measured with a blank so that an empty label keeps a line's height.
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar && text == L"&"))) text += L' ';
  return text;
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!Transparent) {
    BrushHandle b(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, b.Get());
  }
  const UINT flags = TextFlags();
  if (Layout != TTextLayout::tlTop) {
    RECT calc = r;
    DoDrawText(dc, calc, flags | DT_CALCRECT);
    const int offset = Height() - (calc.bottom - calc.top);
    r.top += Layout == TTextLayout::tlCenter ? offset / 2 : offset;
  }
  DoDrawText(dc, r, flags);
}

void TLabel::DoDrawText(HDC dc, RECT& r, UINT flags) {
  const std::wstring text = TextToDraw(flags);
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  if (Enabled() || (flags & DT_CALCRECT)) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextW(dc, text.c_str(), -1, &r, flags);
    return;
  }
  OffsetRect(&r, 1, 1);
  SetTextColor(dc, ColorToRGB(clBtnHighlight));
  DrawTextW(dc, text.c_str(), -1, &r, flags);
  OffsetRect(&r, -1, -1);
  SetTextColor(dc, ColorToRGB(clBtnShadow));
  DrawTextW(dc, text.c_str(), -1, &r, flags);
}

namespace {

void Outline(HDC dc, int left, int top, int right, int bottom, TColor color) {
  PenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  SelectGuard keep(dc, pen.Get());
  POINT pts[5] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
  Polyline(dc, pts, 5);
}

}  // namespace

void TBevel::Paint(HDC dc) {
  const TColor dark = clBtnShadow, light = clBtnHighlight;
  const TColor first = Style == TBevelStyle::bsLowered ? dark : light;
  const TColor second = Style == TBevelStyle::bsLowered ? light : dark;
  const int w = Width(), h = Height();
  if (Shape == TBevelShape::bsFrame) {
    // An etched frame: a light outline one pixel in, the dark one over it.
    Outline(dc, 1, 1, w - 1, h - 1, second);
    Outline(dc, 0, 0, w - 2, h - 2, first);
  } else {
    RECT r{0, 0, w, h};
    Frame3D(dc, r, first, second, 1);
  }
}

void TImage::SetIcon(IconHandle icon) {
  icon_ = std::move(icon);
  bitmap_ = TBitmap();
  Invalidate();
}

void TImage::SetBitmap(TBitmap bitmap) {
  bitmap_ = std::move(bitmap);
  icon_.Reset();
  Invalidate();
}

void TImage::ClearPicture() {
  icon_.Reset();
  bitmap_ = TBitmap();
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (icon_) {
    // Zero sizes without DI_DEFAULTSIZE draw the icon at its own size.
    DrawIconEx(dc, 0, 0, icon_.Get(), 0, 0, 0, nullptr, DI_NORMAL);
  } else if (!bitmap_.Empty()) {
    int x = 0, y = 0, w = bitmap_.Width(), h = bitmap_.Height();
    if (Stretch) {
      w = Width();
      h = Height();
    } else if (Center) {
      x = (Width() - w) / 2;
      y = (Height() - h) / 2;
    }
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, x, y, w, h, bitmap_.DC(), 0, 0, bitmap_.Width(), bitmap_.Height(), SRCCOPY);
  }
}

IconHandle LoadIconFile(const std::wstring& path) {
  if (path.empty()) throw EFOpenError(L"Cannot open file \"\". The file name is empty");
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw EFOpenError(L"Cannot open file \"" + path + L"\". The file cannot be found or read");
  }
  // Only an icon directory (reserved 0, type 1, at least one image) is an
  // icon; executables and libraries that hold icons are not .ico files.
  std::uint16_t header[3] = {};
  DWORD read = 0;
  const BOOL ok = ReadFile(file, header, sizeof(header), &read, nullptr);
  CloseHandle(file);
  if (!ok || read != sizeof(header) || header[0] != 0 || header[1] != 1 || header[2] == 0)
    throw EInvalidGraphic(L"Icon image is not valid");
  HANDLE icon = LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
  if (!icon) throw EInvalidGraphic(L"Icon image is not valid");
  return IconHandle(static_cast<HICON>(icon));
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const bool pressed = down_ && MouseInControl();
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  if (pressed) OffsetRect(&r, 1, 1);
  if (DrawGlyph) DrawGlyph(dc, r);
}

void TSpeedButton::WndProc(Message& m) {
  switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      down_ = true;
      Invalidate();
      break;
    case WM_LBUTTONUP:
      if (down_) {
        down_ = false;
        Invalidate();
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (down_) Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(m);
}

TImageList::TImageList(TComponent* owner, int width, int height) : TComponent(owner) {
  handle_ = ImageList_Create(width, height, ILC_COLOR32, 1, 1);
  if (handle_) HandleCount::Created(HandleKind::Gdi);
}

TImageList::~TImageList() {
  if (handle_) {
    ImageList_Destroy(handle_);
    HandleCount::Released(HandleKind::Gdi);
  }
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

int TImageList::Add(const TBitmap& image) {
  if (!handle_ || image.Empty()) return -1;
  return ImageList_Add(handle_, image.Handle(), nullptr);
}

IconHandle TImageList::GetIcon(int index) const {
  if (!handle_ || index < 0 || index >= Count()) return IconHandle();
  return IconHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}

}  // namespace folvane
