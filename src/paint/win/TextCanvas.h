#pragma once
// The canvas skinned text is written on: a device context with the font and
// brush style the writers set, and the seam through which every call that
// reaches the platform's text drawing passes. The system platform draws
// with GDI; tests put a recorder in its place and check the exact order,
// rectangles and colours of the draws.

#include <windows.h>

#include <string>

#include "runtime/win/Graphics.h"

namespace folvane {

class TextPlatform {
 public:
  virtual ~TextPlatform() = default;
  virtual int SaveDC(HDC dc) = 0;
  virtual void RestoreDC(HDC dc, int saved) = 0;
  virtual void IntersectClip(HDC dc, const RECT& rect) = 0;
  // DrawText of `length` characters in `font` (its colour converted), with
  // a transparent background when clearBrush is set, else in the brush
  // colour. Returns DrawText's answer; may change rect (DT_CALCRECT).
  virtual int DrawFormatted(HDC dc, const TFont& font, bool clearBrush, TColor brushColor,
                       const wchar_t* text, int length, RECT& rect, UINT format) = 0;
  virtual SIZE TextExtent(HDC dc, const TFont& font, const wchar_t* text, int length) = 0;
  // The text at (x, y) clipped to rect; the rect filled with the brush
  // colour first unless the brush is clear.
  virtual void TextRect(HDC dc, const TFont& font, bool clearBrush, TColor brushColor,
                        const RECT& rect, int x, int y, const wchar_t* text, int length) = 0;
  // Whether a string never measures narrower than its prefixes in this DC
  // (no negative character spacing), which the quick ellipsis search needs.
  virtual bool WidthsGrowWithLength(HDC dc) = 0;
};

// GDI.
TextPlatform& SystemTextPlatform();

class TextCanvas {
 public:
  explicit TextCanvas(HDC dc, TextPlatform& platform = SystemTextPlatform())
      : dc_(dc), platform_(&platform) {}

  HDC Handle() const { return dc_; }
  TextPlatform& Platform() const { return *platform_; }

  // The canvas font; the writers change its colour and style and leave it
  // with the last colour they set.
  TFont Font;
  // Brush style clear: text is drawn without filling its background.
  bool BrushClear = false;
  TColor BrushColor = clWhite;

  int DrawFormatted(const wchar_t* text, int length, RECT& rect, UINT format) {
    return platform_->DrawFormatted(dc_, Font, BrushClear, BrushColor, text, length, rect, format);
  }

 private:
  HDC dc_;
  TextPlatform* platform_;
};

// Measuring and plain drawing in the canvas font, each one platform call.
int TextWidth(TextCanvas& canvas, const std::wstring& text);
int TextHeight(TextCanvas& canvas, const std::wstring& text);
SIZE TextExtent(TextCanvas& canvas, const std::wstring& text);
void TextRect(TextCanvas& canvas, const RECT& rect, int x, int y, const std::wstring& text);
// DrawText of the whole string into a DC (in the DC's own font and colours).
int DrawTextFull(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// The text shortened with "..." so that its width in the canvas font is at
// most maxWidth (never a bare "..."); see paint/EllipsisFit.h.
std::wstring FitTextWithEllipsis(TextCanvas& canvas, const std::wstring& text, int maxWidth);

}  // namespace folvane
