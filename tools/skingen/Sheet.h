#pragma once
// The pictures a skin is cut from: opaque 24-bit sheets in which the key
// colour 0xFF00FF marks transparent pixels, and the ways a drawn canvas
// becomes part of one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Canvas.h"

namespace folvane::skingen {

using namespace folvane::drawing;

constexpr uint32_t kKey = 0xFF00FF;

// Row 0 at the top; each pixel 0xRRGGBB.
struct Sheet {
  Sheet(int width, int height, uint32_t fill = kKey);
  int width;
  int height;
  std::vector<uint32_t> rgb;

  uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
  uint32_t& at(int x, int y) { return rgb[static_cast<size_t>(y) * width + x]; }
};

// A drawing of one state image, and which of its pixels lie outside the
// element: those become the key colour, which masks and window regions cut
// away as a hard one-bit edge.
struct Art {
  Art(int width, int height);
  Canvas canvas;
  std::vector<bool> outside;
  bool cut = false;  // cutTo ran: empty pixels inside the silhouette are not outside

  int width() const { return canvas.width(); }
  int height() const { return canvas.height(); }
  // Everything `silhouette` covers less than half lies outside. A pixel on
  // the edge is treated as if the element covered it whole, so that the
  // element keeps its full colour up to the cut instead of a fringe that
  // would show the wrong background.
  void cutTo(const Shape& silhouette);
};

// MaskType 0: a pixel inside the element is opaque. One the drawing covers
// only partly (its anti-aliased edge) is composed over `backdrop`, the colour
// the element usually stands on; the rest becomes the key colour.
void placeOpaque(Sheet& sheet, int left, int top, const Art& art, uint32_t backdrop);

// MaskType 1: the image at (left, top) and its transparency mask
// `maskOffset` rows below it, where black keeps the image and white the
// background. Pixels the drawing leaves empty become the key colour (the
// painters skip them exactly) unless they lie inside the element's
// silhouette: there they are `inside` with a white mask, because a key
// pixel in a corner slice would be cut out of a window region.
void placeMasked(Sheet& sheet, int left, int top, int maskOffset, const Art& art,
                 uint32_t inside = 0x808080);

// Uncompressed bottom-up 24-bit BMP, the form every picture of the skin takes.
std::vector<uint8_t> encodeBmp24(const Sheet& sheet);

}  // namespace folvane::skingen
