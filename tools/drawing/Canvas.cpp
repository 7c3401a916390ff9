#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace folvane::drawing {
namespace {

constexpr int kSamples = 8;
// Half the diagonal of a pixel: farther from an edge, a pixel is all in or out.
constexpr double kPixelReach = 0.7072;

}  // namespace

double coverage(const Shape& shape, int x, int y) {
  const double centre = shape.distance({x + 0.5, y + 0.5});
  if (centre <= -kPixelReach) return 1.0;
  if (centre >= kPixelReach) return 0.0;
  int inside = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
      if (shape.distance(p) <= 0) ++inside;
    }
  }
  return static_cast<double>(inside) / (kSamples * kSamples);
}

namespace {

struct PixelRange {
  int left, top, right, bottom;
};

PixelRange clampedRange(const Box& box, double pad, int width, int height) {
  return {std::clamp(static_cast<int>(std::floor(box.left - pad)), 0, width),
          std::clamp(static_cast<int>(std::floor(box.top - pad)), 0, height),
          std::clamp(static_cast<int>(std::ceil(box.right + pad)), 0, width),
          std::clamp(static_cast<int>(std::ceil(box.bottom + pad)), 0, height)};
}

}  // namespace

Color rgb(uint32_t hex, double alpha) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, alpha};
}

Color mix(const Color& a, const Color& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Paint solid(Color color) {
  return [color](Point) { return color; };
}

Paint linear(Point a, Color from, Point b, Color to) {
  const double dx = b.x - a.x, dy = b.y - a.y, lengthSquared = dx * dx + dy * dy;
  return [=](Point p) {
    const double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    return mix(from, to, std::clamp(t, 0.0, 1.0));
  };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<size_t>(width) * height, Color{0, 0, 0, 0}) {}

Color Canvas::straightAt(int x, int y) const {
  const Color& c = at(x, y);
  if (c.a <= 0) return {0, 0, 0, 0};
  return {c.r / c.a, c.g / c.a, c.b / c.a, c.a};
}

void Canvas::blend(int x, int y, const Color& color, double amount) {
  const double a = std::clamp(color.a * amount, 0.0, 1.0);
  if (a <= 0) return;
  Color& d = pixels_[static_cast<size_t>(y) * width_ + x];
  d.r = color.r * a + d.r * (1 - a);
  d.g = color.g * a + d.g * (1 - a);
  d.b = color.b * a + d.b * (1 - a);
  d.a = a + d.a * (1 - a);
}

void Canvas::fill(const Shape& shape, const Paint& paint, double opacity) {
  const PixelRange r = clampedRange(shape.bounds, 1, width_, height_);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const double c = coverage(shape, x, y);
      if (c > 0) blend(x, y, paint({x + 0.5, y + 0.5}), c * opacity);
    }
  }
}

void Canvas::fillSoft(const Shape& shape, const Paint& paint, double softness, double opacity) {
  const PixelRange r = clampedRange(shape.bounds, softness + 1, width_, height_);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const double d = shape.distance({x + 0.5, y + 0.5});
      // Smoothstep across the band [-softness, +softness] around the edge.
      const double t = std::clamp(0.5 - d / (2 * softness), 0.0, 1.0);
      const double c = t * t * (3 - 2 * t);
      if (c > 0) blend(x, y, paint({x + 0.5, y + 0.5}), c * opacity);
    }
  }
}

void Canvas::erase(const Shape& shape) {
  const PixelRange r = clampedRange(shape.bounds, 1, width_, height_);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const double keep = 1 - coverage(shape, x, y);
      Color& d = pixels_[static_cast<size_t>(y) * width_ + x];
      d = {d.r * keep, d.g * keep, d.b * keep, d.a * keep};
    }
  }
}

}  // namespace folvane::drawing
