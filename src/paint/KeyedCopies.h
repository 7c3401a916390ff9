#pragma once
// Copies that treat one colour as transparent. The source rectangle's right
// and bottom are inclusive; it is clipped to the source, and every pixel
// lands on (x + i, y + j) only when that lies inside the destination (a
// 24-bit bitmap; the source may be 24 or 32 bits).

#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// Copies every source pixel that is not `key`; key pixels leave the
// destination as it was.
void CopyKeyed(PixelBuffer& destination, int x, int y, const PixelBuffer& source,
               PixelRect inclusiveSource, TColor key);

// Like CopyKeyed for pixels that are not `key`. Key pixels show what lies
// behind:
//  - `fill` with a bitmap background that an accessor attaches to: the
//    background pixel at (x + OffsetX, y + OffsetY); left alone when that
//    lies outside the background, or when the destination is the
//    background itself;
//  - otherwise a bitmap background leaves them alone;
//  - a colour background gives them its colour, whatever `fill` says.
void CopyKeyedOverBackground(PixelBuffer& destination, int x, int y,
                             const PixelBuffer& source, PixelRect inclusiveSource,
                             TColor key, bool fill, const BackgroundInfo& background);

}  // namespace folvane
