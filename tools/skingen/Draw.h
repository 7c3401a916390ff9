#pragma once
// Small drawing vocabulary shared by the painters: solid and graded fills of
// shapes on an Art, and the ring between two shapes.

#include <cstdint>

#include "Sheet.h"

namespace folvane::skingen {

void fill(Art& art, const Shape& shape, uint32_t rgb, double alpha = 1.0);
// Colour runs from `top` at row y0 to `bottom` at row y1 (pixel edges).
void fillVertical(Art& art, const Shape& shape, uint32_t top, uint32_t bottom, double y0, double y1,
                  double alpha = 1.0);
void fillHorizontal(Art& art, const Shape& shape, uint32_t left, uint32_t right, double x0, double x1,
                    double alpha = 1.0);
void pixel(Art& art, int x, int y, uint32_t rgb, double alpha = 1.0);

inline Shape ring(const Shape& outer, const Shape& inner) { return subtract(outer, inner); }

// Rounded at the top only: the bottom edge is square (tabs, caption frames).
Shape roundTop(double left, double top, double right, double bottom, double radius);
// Rounded at the bottom only (caption button faces hanging from the frame).
Shape roundBottom(double left, double top, double right, double bottom, double radius);

uint32_t blend(uint32_t from, uint32_t to, double t);

}  // namespace folvane::skingen
