#pragma once
// The sheet being drawn: a 24-bit picture that skin painting draws into,
// with the backdrops the skin is shown over (a chequer for a picture
// background, plain colour fills) and text labels, which are drawn with
// GDI last, after all direct pixel work.

#include <string>
#include <vector>

#include "paint/PixelGeometry.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Handles.h"

namespace folvane::skinsheet {

enum class TextStyle { Small, SmallGrey, Bold, Heading, Title };

class SheetCanvas {
 public:
  SheetCanvas(int width, int height, TColor paper);

  PixelBuffer& Pixels() { return bitmap_.Pixels(); }
  TBitmap& Bitmap() { return bitmap_; }

  void Fill(const PixelRect& r, TColor color);
  // Light and darker grey squares of `square` pixels, aligned to the sheet.
  void Chequer(const PixelRect& r, int square = 6);
  // A one-pixel outline just outside `r`.
  void Outline(const PixelRect& r, TColor color);

  // Queued; drawn by DrawText.
  void Text(int x, int y, const std::wstring& text, TextStyle style);
  void DrawText();

 private:
  struct Label {
    int x, y;
    std::wstring text;
    TextStyle style;
  };
  TBitmap bitmap_;
  std::vector<Label> labels_;
};

// Text sizes in the sheet's fonts, measured before the sheet exists.
class TextMeasure {
 public:
  TextMeasure();
  int Width(const std::wstring& text, TextStyle style);

 private:
  TBitmap probe_;  // its memory DC measures
};

// The font of a text style (created on first use, kept for the run).
HFONT FontFor(TextStyle style);

}  // namespace folvane::skinsheet
