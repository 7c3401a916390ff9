#pragma once
// Colours and fonts of the runtime.

#include <windows.h>

#include <string>

#include "runtime/PixelBuffer.h"
#include "runtime/win/Handles.h"

namespace folvane {

// System colours are 0xFF0000xx, xx being the GetSysColor index.
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr TColor clWindowText = 0xFF000000 | COLOR_WINDOWTEXT;
constexpr TColor clBtnFace = 0xFF000000 | COLOR_BTNFACE;
constexpr TColor clBtnShadow = 0xFF000000 | COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = 0xFF000000 | COLOR_BTNHIGHLIGHT;
constexpr TColor clGrayText = 0xFF000000 | COLOR_GRAYTEXT;

COLORREF ColorToRGB(TColor color);

// The system's non-client metrics (caption, menu and message fonts); false,
// with `metrics` zeroed but sized, when the system does not answer.
bool ReadNonClientMetrics(NONCLIENTMETRICSW& metrics);

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A font description with its handle, made when first asked for.
class TFont {
 public:
  TFont(std::wstring name = L"Tahoma", int height = -11, TColor color = clWindowText)
      : name_(std::move(name)), height_(height), color_(color) {}
  TFont(const TFont& o) : name_(o.name_), height_(o.height_), style_(o.style_), color_(o.color_) {}
  TFont& operator=(const TFont& o) {
    name_ = o.name_; height_ = o.height_; style_ = o.style_; color_ = o.color_;
    handle_.Reset();
    return *this;
  }

  const std::wstring& Name() const { return name_; }
  int Height() const { return height_; }
  unsigned Style() const { return style_; }
  TColor Color() const { return color_; }
  void SetName(std::wstring n) { name_ = std::move(n); handle_.Reset(); }
  void SetHeight(int h) { height_ = h; handle_.Reset(); }
  void SetStyle(unsigned s) { style_ = s; handle_.Reset(); }
  void SetColor(TColor c) { color_ = c; }
  HFONT Handle() const;

 private:
  std::wstring name_;
  int height_;
  unsigned style_ = 0;
  TColor color_;
  mutable FontHandle handle_;
};

// Cursor numbers of the runtime (crHandPoint = -21).
constexpr int crDefault = 0;
constexpr int crArrow = -2;
constexpr int crIBeam = -4;
constexpr int crHandPoint = -21;
HCURSOR CursorHandle(int cursor);

}  // namespace folvane
