// Caption buttons. Forms: 19 pixels high, hanging from the window's top edge
// (row 0, the outline, and column 0, which the neighbour on the left
// overlaps by one pixel, stay empty). Dialogs: 15 x 16, centred in the
// caption. Normal shows the symbol alone, white with a soft dark contour
// like the caption text; hot lays a light veil under it (red for close);
// pressed a dark one. Everything has a mask, so the buttons suit the active
// gradient and the grey inactive caption alike.

#include <cmath>
#include <vector>

#include "Draw.h"
#include "Layout.h"
#include "Palette.h"

namespace folvane::skingen {
namespace {

namespace pal = palette;

// A 1-pixel-stroke pixel pattern ('#' set) placed at (left, top).
Shape pattern(const std::vector<const char*>& rows, int left, int top) {
  Shape shape = rect(0, 0, 0, 0);
  bool any = false;
  for (size_t y = 0; y < rows.size(); ++y) {
    for (int x = 0; rows[y][x]; ++x) {
      if (rows[y][x] != '#') continue;
      const Shape dot = rect(left + x, top + y, left + x + 1, top + y + 1);
      shape = any ? unite(shape, dot) : dot;
      any = true;
    }
  }
  return shape;
}

Shape squareOutline(int left, int top, int size) {
  // The top edge is two pixels thick, as window symbols are.
  return ring(rect(left, top, left + size, top + size), rect(left + 1, top + 2, left + size - 1, top + size - 1));
}

// The symbol in a box of `size` pixels (9 for forms, 7 for dialogs) whose
// top-left pixel is (left, top).
Shape symbolShape(CaptionSymbol symbol, int left, int top, int size) {
  const double l = left + 0.5, t = top + 0.5, r = left + size - 0.5, b = top + size - 0.5;
  switch (symbol) {
    case CaptionSymbol::Close:
      return unite(thickLine({l, t}, {r, b}, size > 7 ? 1.5 : 1.4), thickLine({r, t}, {l, b}, size > 7 ? 1.5 : 1.4));
    case CaptionSymbol::Minimize:
      return rect(left, top + size - 3, left + size, top + size - 1);
    case CaptionSymbol::Maximize:
      return squareOutline(left, top, size);
    case CaptionSymbol::Restore: {
      const int inner = size - 2;
      const Shape front = squareOutline(left, top + 2, inner);
      const Shape back = subtract(squareOutline(left + 2, top, inner), rect(left, top + 2, left + inner, top + size));
      return unite(front, back);
    }
    case CaptionSymbol::Help:
      if (size > 7)
        return pattern({".###.", "#...#", "....#", "...#.", "..#..", "..#..", ".....", "..#..", "..#.."}, left + 2, top);
      return pattern({".###.", "#...#", "...#.", "..#..", "..#..", ".....", "..#.."}, left + 1, top);
    case CaptionSymbol::None:
      break;
  }
  return rect(0, 0, 0, 0);
}

void drawFace(Art& a, const Shape& face, CaptionSymbol symbol, int state) {
  if (state == 0) return;
  const bool close = symbol == CaptionSymbol::Close;
  if (close)
    fill(a, face, state == 1 ? pal::kCloseHot : pal::kClosePressed);
  else if (state == 1)
    fill(a, face, pal::kWhite, 0.3);
  else
    fill(a, face, pal::kAccent900, 0.4);
}

void drawSymbol(Art& a, const Shape& symbol, CaptionSymbol kind, int state) {
  if (kind == CaptionSymbol::None) return;
  const bool onRed = kind == CaptionSymbol::Close && state > 0;
  if (!onRed) fill(a, grow(symbol, 1.0), pal::kAccent900, state == 0 ? 0.6 : 0.35);
  fill(a, symbol, pal::kWhite);
}

}  // namespace

Art bigCaptionButton(CaptionSymbol symbol, int state, int width) {
  Art a(width, 19);
  Shape face = roundBottom(1, 1, width, 19, 2);
  // Close sits one pixel left of the 3-pixel frame (BISPACE -1), under the
  // window's rounded top-right corner: its face keeps inside that curve.
  if (symbol == CaptionSymbol::Close) face = intersect(face, roundTop(-10, 1, width + 1, 40, 5));
  drawFace(a, face, symbol, state);
  // The face spans columns 1 ... width - 1 and rows 1 ... 18.
  const int left = static_cast<int>(std::floor((1 + width) / 2.0 - 4.5));
  const Shape glyph = symbolShape(symbol, left, 5, 9);
  drawSymbol(a, glyph, symbol, state);
  return a;
}

Art smallCaptionButton(CaptionSymbol symbol, int state) {
  Art a(15, 16);
  drawFace(a, roundRect(0, 0, 15, 16, 2.5), symbol, state);
  drawSymbol(a, symbolShape(symbol, 4, 4, 7), symbol, state);
  return a;
}

}  // namespace folvane::skingen
