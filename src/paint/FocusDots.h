#pragma once
// The dotted focus frame of buttons.

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// Every third pixel along the four edges of `rect` black, each with a white
// pixel one up and to the left of it. The bottom and right edges are drawn
// on the rectangle's Bottom and Right coordinates. Dots outside the bitmap
// are skipped.
void DrawDottedFocus(PixelBuffer& bitmap, PixelRect rect);

}  // namespace folvane
