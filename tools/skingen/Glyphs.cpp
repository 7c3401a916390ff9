// Glyphs: check boxes, radio buttons, the menu check mark, the size grip,
// grip dots and arrows. States are normal, hot (or focused), pressed.

#include <vector>

#include "Draw.h"
#include "Layout.h"
#include "Palette.h"

namespace folvane::skingen {
namespace {

namespace pal = palette;

struct BoxLook {
  uint32_t outline, top, bottom;
};

const BoxLook kBoxLooks[3] = {{0x8C939A, 0xF1F2F3, 0xFFFFFF},
                              {pal::kAccent600, 0xE6F1FA, 0xFFFFFF},
                              {pal::kAccent700, pal::kAccent200, pal::kAccent100}};

Shape polyline(const std::vector<Point>& points, double width) {
  Shape shape = thickLine(points[0], points[1], width);
  for (size_t i = 2; i < points.size(); ++i) shape = unite(shape, thickLine(points[i - 1], points[i], width));
  return shape;
}

Shape checkMark(double size) {
  const double k = size / 13.0;
  return polyline({{3.1 * k, 6.4 * k}, {5.5 * k, 8.9 * k}, {10.0 * k, 3.7 * k}}, size >= 13 ? 1.8 : 1.6);
}

}  // namespace

Art checkBox(int mark, int state, int size) {
  const BoxLook& look = kBoxLooks[state];
  Art a(size, size);
  const Shape outer = roundRect(0, 0, size, size, 2);
  fill(a, outer, look.outline);
  fillVertical(a, roundRect(1, 1, size - 1, size - 1, 1), look.top, look.bottom, 1, size - 1);
  if (mark == 1) fill(a, checkMark(size), pal::kCheck);
  if (mark == 2) fillVertical(a, roundRect(3, 3, size - 3, size - 3, 1), pal::kAccent500, pal::kAccent700, 3, size - 3);
  a.cutTo(outer);
  return a;
}

// 13 x 13 with its mask: anti-aliased against whatever lies behind.
Art radioButton(int mark, int state) {
  const BoxLook& look = kBoxLooks[state];
  Art a(13, 13);
  const Point c{6.5, 6.5};
  fill(a, circle(c, 6.5), look.outline);
  fillVertical(a, circle(c, 5.5), look.top, look.bottom, 1, 12);
  if (mark == 1) fillVertical(a, circle(c, 2.6), pal::kAccent600, pal::kAccent900, 4, 9);
  if (mark == 2) fill(a, circle(c, 2.6), pal::kAccent300);
  return a;
}

// 12 x 12 with its mask, normal and hot (a selected menu item).
Art menuCheck(int state) {
  Art a(12, 12);
  fill(a, polyline({{2.6, 6.2}, {4.9, 8.6}, {9.5, 3.3}}, 1.7), state ? pal::kAccent900 : 0x303030);
  return a;
}

// 12 x 12 with its mask: six raised dots along the bottom-right diagonal.
Art sizeGrip(int) {
  Art a(12, 12);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (i + j < 2) continue;
      const int x = 2 + 3 * i, y = 2 + 3 * j;
      fill(a, rect(x + 1, y + 1, x + 3, y + 3), pal::kWhite);
      fill(a, rect(x, y, x + 2, y + 2), 0xA3A3A3);
    }
  }
  return a;
}

// 3 x 3 texture tile with its mask: one raised dot.
Art gripDots(int) {
  Art a(3, 3);
  pixel(a, 1, 1, pal::kWhite);
  pixel(a, 0, 0, 0xA0A0A0);
  return a;
}

// Solid pixel triangles: 7, 5, 3, 1 pixels across (or down).
Art arrowGlyph(Arrow direction, int state, int width, int height) {
  // On the track, and on a hot or pressed button, which share one grey face
  // (the pressed one tells itself by its rim): there the darkest stroke.
  static const uint32_t colours[3] = {pal::kGlyph, pal::kGlyphHot, pal::kGlyphHot};
  Art a(width, height);
  const bool across = direction == Arrow::Up || direction == Arrow::Down;
  const int depth = across ? height : width;
  for (int d = 0; d < depth; ++d) {
    // Row d of a downward arrow is widest at d = 0.
    const bool widestFirst = direction == Arrow::Down || direction == Arrow::Right;
    const int level = widestFirst ? d : depth - 1 - d;
    const int from = level, to = (across ? width : height) - level;
    if (across)
      fill(a, rect(from, d, to, d + 1), colours[state]);
    else
      fill(a, rect(d, from, d + 1, to), colours[state]);
  }
  return a;
}

}  // namespace folvane::skingen
