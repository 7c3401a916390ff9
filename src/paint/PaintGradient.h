#pragma once
// Gradients of skin sections.

#include "paint/PaintPlatform.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

// Paints `gradient` into `rect` (clamped to the bitmap) of the 24-bit
// `bitmap`, in the mode of its first segment:
//  0 bands from top to bottom: each segment takes Percent of the height
//    from where the previous one ended (the last one reaches the bottom),
//    its first row repainting the previous segment's last;
//  1 the same from left to right, segment ends rounded halves to even;
//  2 four triangles from the centre, filled by the platform; vertex k has
//    Color1 of segment k, or the previous vertex's colour.
// An empty gradient or any other mode paints nothing.
void PaintGradient(PixelBuffer& bitmap, PixelRect rect, const TsGradArray& gradient,
                   PaintPlatform& platform = SystemPaintPlatform());

}  // namespace folvane
