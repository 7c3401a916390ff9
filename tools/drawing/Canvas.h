#pragma once
// A floating-point RGBA canvas and the anti-aliased fill that draws shapes on
// it: every pixel near an edge is covered by an 8 x 8 grid of samples.

#include <cstdint>
#include <functional>
#include <vector>

#include "Geometry.h"

namespace folvane::drawing {

// Straight (not premultiplied) colour, channels 0..1.
struct Color {
  double r = 0, g = 0, b = 0, a = 1;
};

Color rgb(uint32_t hex, double alpha = 1.0);  // hex as 0xRRGGBB
Color mix(const Color& a, const Color& b, double t);

// What fills a shape: the colour at a point of the canvas.
using Paint = std::function<Color(Point)>;

Paint solid(Color color);
// Colour runs from `from` at point a to `to` at point b, constant beyond.
Paint linear(Point a, Color from, Point b, Color to);

// How much of pixel (x, y) the shape covers, 0 ... 1.
double coverage(const Shape& shape, int x, int y);

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Premultiplied pixel, row 0 at the top.
  const Color& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  Color straightAt(int x, int y) const;

  void fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
  // A shape whose edge fades over `softness` pixels: shadows and glows.
  void fillSoft(const Shape& shape, const Paint& paint, double softness, double opacity = 1.0);
  // Clears the shape out of what is drawn so far (the backdrop shows there).
  void erase(const Shape& shape);
  // Replaces a pixel outright (premultiplied).
  void set(int x, int y, const Color& premultiplied) { pixels_[static_cast<size_t>(y) * width_ + x] = premultiplied; }

 private:
  void blend(int x, int y, const Color& color, double coverage);

  int width_;
  int height_;
  std::vector<Color> pixels_;
};

}  // namespace folvane::drawing
