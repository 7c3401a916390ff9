#include "Pixels.h"

#include <algorithm>
#include <cmath>

namespace folvane::artgen {
namespace {

uint32_t toByte(double v) {
  return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

uint32_t pack(double a, double r, double g, double b) {
  return toByte(a) << 24 | toByte(r) << 16 | toByte(g) << 8 | toByte(b);
}

double channel(uint32_t hex, int shift) { return ((hex >> shift) & 0xFF) / 255.0; }

// Premultiplied canvas colour composed over an opaque backdrop.
uint32_t over(const Color& c, uint32_t backdrop) {
  return pack(1.0, c.r + channel(backdrop, 16) * (1 - c.a), c.g + channel(backdrop, 8) * (1 - c.a),
              c.b + channel(backdrop, 0) * (1 - c.a));
}

}  // namespace

Pixels toSoftAlpha(const Canvas& canvas) {
  Pixels out{canvas.width(), canvas.height(), {}};
  out.argb.reserve(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const Color c = canvas.straightAt(x, y);
      const uint32_t alpha = toByte(c.a);
      out.argb.push_back(alpha == 0 ? 0 : pack(c.a, c.r, c.g, c.b));
    }
  }
  return out;
}

Pixels toHardEdge(const Canvas& canvas, uint32_t transparent, uint32_t backdrop, double threshold) {
  Pixels out{canvas.width(), canvas.height(), {}};
  out.argb.reserve(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const Color& c = canvas.at(x, y);
      out.argb.push_back(c.a >= threshold ? over(c, backdrop) : (transparent & 0xFFFFFF));
    }
  }
  return out;
}

Pixels toOpaque(const Canvas& canvas, uint32_t backdrop) {
  Pixels out{canvas.width(), canvas.height(), {}};
  out.argb.reserve(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) out.argb.push_back(over(canvas.at(x, y), backdrop));
  }
  return out;
}

Pixels sideBySide(const std::vector<Pixels>& parts) {
  Pixels out;
  for (const Pixels& p : parts) {
    out.width += p.width;
    out.height = std::max(out.height, p.height);
  }
  out.argb.assign(static_cast<size_t>(out.width) * out.height, 0);
  int left = 0;
  for (const Pixels& p : parts) {
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) out.argb[static_cast<size_t>(y) * out.width + left + x] = p.at(x, y);
    }
    left += p.width;
  }
  return out;
}

}  // namespace folvane::artgen
