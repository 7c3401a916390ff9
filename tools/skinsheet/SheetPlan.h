#pragma once
// A sheet laid out before any pixel is drawn: the backdrops (in order),
// what is painted over them, and the labels. Painting reads the backdrops
// as the parent picture a control would stand on.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "SheetCanvas.h"
#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"

namespace folvane {
class SkinModel;
}

namespace folvane::skinsheet {

constexpr int kMargin = 24;     // around the sheet
constexpr int kBlockGap = 36;   // between the sheet's parts

// Everything a paint step needs: the skin, the sheet, the sheet as it was
// with only its backdrops drawn, and the colour of colour backdrops.
struct Painting {
  const SkinModel& Model;
  PixelBuffer& Sheet;
  const PixelBuffer& Backdrop;
  TColor Colour;

  // What lies behind a shot: the chequered picture, or the plain colour.
  BackgroundInfo Behind(bool chequer) const {
    return chequer ? BitmapBackground(Backdrop) : ColorBackground(Colour);
  }
};

// Draws something small `zoom` times its size into `target` of the sheet:
// `draw` paints at 1x into a scratch picture of the backdrop under target
// (sampled every `zoom` pixels), over that scratch picture or the colour,
// and the result is blown up pixel by pixel.
void PaintZoomed(const Painting& p, const PixelRect& target, int zoom, bool chequer,
                 const std::function<void(PixelBuffer& scratch, const BackgroundInfo& behind)>& draw);

struct Backdrop {
  PixelRect Rect;
  bool Chequer = false;
  TColor Color = 0;
};

struct Label {
  int X = 0, Y = 0;
  std::wstring Text;
  TextStyle Style = TextStyle::Small;
};

struct SheetPlan {
  int Width = 0;
  int Height = 0;
  TColor Colour = 0;  // of the colour backdrops
  std::vector<Backdrop> Backdrops;
  std::vector<std::function<void(const Painting&)>> Paints;
  std::vector<Label> Labels;

  void Fill(const PixelRect& r, TColor c) { Backdrops.push_back({r, false, c}); }
  // A cell backdrop with a hairline around it.
  void Cell(const PixelRect& r, bool chequer) {
    Fill({r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1}, 0xD2D2D2);
    Backdrops.push_back({r, chequer, Colour});
  }
  void Text(int x, int y, std::wstring text, TextStyle style) {
    Labels.push_back({x, y, std::move(text), style});
  }
};

// Skin texts are bytes; shown as Latin-1.
inline std::wstring Wide(const std::string& s) {
  std::wstring w;
  for (char c : s) w += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return w;
}

// "#RRGGBB", as colours are usually written.
inline std::wstring HexColor(TColor c) {
  const wchar_t* digits = L"0123456789ABCDEF";
  const unsigned rgb = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  std::wstring s = L"#";
  for (int shift = 20; shift >= 0; shift -= 4) s += digits[rgb >> shift & 0xF];
  return s;
}

// Places boxes left to right, starting a new row when one does not fit.
class Flow {
 public:
  Flow(int left, int right, int top, int gapX, int gapY)
      : left_(left), right_(right), x_(left), y_(top), gapX_(gapX), gapY_(gapY) {}
  PixelPoint Place(int width, int height) {
    if (x_ > left_ && x_ + width > right_) NewRow();
    const PixelPoint at{x_, y_};
    x_ += width + gapX_;
    rowHeight_ = std::max(rowHeight_, height);
    return at;
  }
  // The first free row below everything placed.
  int Bottom() const { return rowHeight_ ? y_ + rowHeight_ : y_; }

 private:
  void NewRow() {
    x_ = left_;
    y_ += rowHeight_ + gapY_;
    rowHeight_ = 0;
  }
  int left_, right_, x_, y_, gapX_, gapY_, rowHeight_ = 0;
};

}  // namespace folvane::skinsheet
