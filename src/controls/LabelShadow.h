#pragma once
// The blurred drop shadow of a shadow label: how far it reaches beyond the
// text, the blurred mask built from text drawn white on black, and the
// shadow's colour laid through that mask.

#include <cstdint>
#include <vector>

#include "runtime/PixelBuffer.h"

namespace folvane {

// How far the shadow reaches before (left and top, 0 or negative) and after
// (right and bottom, 0 or positive) the text.
struct ShadowExtents {
  int Before = 0;
  int After = 0;
};
ShadowExtents MeasureShadowExtents(int distance, int blur);

// The blur mask of `text` (text white on black, 24 or 32 bits): a buffer of
// (width + 2) x (height + 2) bytes with a one-pixel margin. Each of
// `blurCount` passes first sets every byte under a pixel whose blue byte is
// not 0 to 255, then replaces each inner byte, row by row from the top and
// left to right, in place, by (up + down + left + right) >> 2.
class ShadowMask {
 public:
  void Build(const PixelBuffer& text, int blurCount);
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The mask value of pixel (x, y) of the text bitmap.
  std::uint8_t At(int x, int y) const {
    return bytes_[static_cast<size_t>(y + 1) * static_cast<size_t>(width_ + 2) +
                  static_cast<size_t>(x + 1)];
  }

 private:
  void MarkText(const PixelBuffer& text);
  void BlurOnce();
  // Grown as needed, never shrunk.
  std::vector<std::uint8_t> bytes_;
  int width_ = 0;
  int height_ = 0;
};

// Lays the shadow colour through the mask over `image`, which holds what
// lies behind the label (transparent label): each channel becomes
// (channel * (255 - m) + shadow * m) >> 8. For an opaque label the
// label's colour stands in for what lies behind.
void ComposeShadow(PixelBuffer& image, const ShadowMask& mask, TColor shadow);
void ComposeShadowOverColor(PixelBuffer& image, const ShadowMask& mask, TColor shadow,
                            TColor labelColor);

}  // namespace folvane
