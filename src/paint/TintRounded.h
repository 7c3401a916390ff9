#pragma once
// Tints a rectangle towards a colour through a soft-edged rounded mask.

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// Tints `rect` (exclusive, clipped to the bitmap) towards `color` so that
// `percent` (0..100) of the image remains inside, fading to the untouched
// image over `blur` pixels at the edges, with corners rounded by `radius`.
// Blur and radius are limited to half the smaller side. With radius 0 and
// blur 0 the whole rectangle keeps `percent` of the image.
void TintRounded(PixelBuffer& bitmap, PixelRect rect, int percent, int radius, int blur,
                 TColor color);

// Fills `rect` of a 24-bit mask with grey `level`, corners rounded with
// `radius`: a pixel is inside when its centre lies inside the rounded
// outline. Used to build TintRounded's mask; exposed for its tests.
void FillRoundedRect(PixelBuffer& mask, PixelRect rect, int radius, std::uint8_t level);

}  // namespace folvane
