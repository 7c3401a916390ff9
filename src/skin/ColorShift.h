#pragma once
// Colour arithmetic of recolouring: hue rotation and saturation change of
// a 0x00BBGGRR colour. Rounding is to the nearest integer, halves to even.

#include "runtime/PixelBuffer.h"

namespace folvane {

// Rotates the hue by `degrees` (any sign or size: the new hue is taken
// modulo 360 into 0 ... 359). Greys come back unchanged.
TColor ShiftHue(TColor color, int degrees);

// Moves each channel by k percent of its distance to the channel mean:
// k = 100 gives grey, negative k moves away from grey (clamped to 0 ... 255).
// k = 0 returns the colour unchanged.
TColor ShiftSaturation(TColor color, int k);

}  // namespace folvane
