#pragma once
// Composing the combo edit's button: a state image of a glyph whose lower
// half holds the masks of its upper half, over what lies behind the button.

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// Draws state image `image` (0 normal, 1 hot, 2 pressed) of `glyph`, each
// image w x h, with its top-left corner at `at`. A mask value m (per
// channel) keeps m/256 of the face: black masks show the glyph, white ones
// the face.
void DrawEditGlyph(PixelBuffer& face, PixelPoint at, const PixelBuffer& glyph, int image, int w,
                   int h);

// The idle glyph mixed with the plain background: `blend` percent of the
// glyph goes. A = Round(blend x 2.56) keeps only its low byte, so 100
// leaves the background alone.
int GlyphBlendFactor(int blend);
void BlendEditGlyph(PixelBuffer& composed, const PixelBuffer& plain, int blend);

}  // namespace folvane
