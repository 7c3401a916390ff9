#pragma once
// Finished pictures as 8-bit pixels, and the ways a canvas becomes one.

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace folvane::artgen {

// The shapes and the rasteriser are shared with the skin's picture generator.
using namespace folvane::drawing;

// Row 0 at the top; each pixel 0xAARRGGBB with straight alpha.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;

  uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
};

constexpr uint32_t kButtonFace = 0xF0F0F0;

// Full alpha, as icons carry it; fully transparent pixels get colour 0.
Pixels toSoftAlpha(const Canvas& canvas);

// One-bit silhouette: a pixel covered at least `threshold` becomes opaque,
// its colour composed over `backdrop` (so its anti-aliased edge suits a light
// button face); the rest becomes `transparent`. Alpha of the result is 255 or 0.
Pixels toHardEdge(const Canvas& canvas, uint32_t transparent, uint32_t backdrop = kButtonFace,
                  double threshold = 0.5);

// Opaque picture: the canvas composed over a solid colour.
Pixels toOpaque(const Canvas& canvas, uint32_t backdrop);

// Places pictures side by side, left to right.
Pixels sideBySide(const std::vector<Pixels>& parts);

}  // namespace folvane::artgen
