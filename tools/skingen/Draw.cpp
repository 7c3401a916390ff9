#include "Draw.h"

#include <algorithm>
#include <cmath>

namespace folvane::skingen {

void fill(Art& art, const Shape& shape, uint32_t rgb_, double alpha) {
  art.canvas.fill(shape, solid(rgb(rgb_)), alpha);
}

void fillVertical(Art& art, const Shape& shape, uint32_t top, uint32_t bottom, double y0, double y1,
                  double alpha) {
  art.canvas.fill(shape, linear({0, y0}, rgb(top), {0, y1}, rgb(bottom)), alpha);
}

void fillHorizontal(Art& art, const Shape& shape, uint32_t left, uint32_t right, double x0, double x1,
                    double alpha) {
  art.canvas.fill(shape, linear({x0, 0}, rgb(left), {x1, 0}, rgb(right)), alpha);
}

void pixel(Art& art, int x, int y, uint32_t rgb_, double alpha) {
  fill(art, rect(x, y, x + 1, y + 1), rgb_, alpha);
}

Shape roundTop(double left, double top, double right, double bottom, double radius) {
  return intersect(roundRect(left, top, right, bottom + radius + 1, radius),
                   rect(left, top, right, bottom));
}

Shape roundBottom(double left, double top, double right, double bottom, double radius) {
  return intersect(roundRect(left, top - radius - 1, right, bottom, radius),
                   rect(left, top, right, bottom));
}

uint32_t blend(uint32_t from, uint32_t to, double t) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
    out |= static_cast<uint32_t>(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0))) << shift;
  }
  return out;
}

}  // namespace folvane::skingen
