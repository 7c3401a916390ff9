#pragma once
// The corners of a window adapter's image: where the frame mask is
// see-through (its key colour), the image shows what lies behind the
// window, so rounded corners stay round over any background.

#include "paint/BackgroundInfo.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

class SkinModel;

// Each corner block of the frame mask `maskIndex` (its slice widths, state
// image min(state, ImageCount - 1)) is laid on the image's corners; image
// pixels under key-coloured mask pixels take the background's pixel at the
// same place (`behind` offsets point at the image's origin) or its colour.
// Nothing for an invalid mask or an image of one pixel or less.
void FixUpCorners(PixelBuffer& image, const SkinModel& model, int maskIndex, int state,
                  const BackgroundInfo& behind);

}  // namespace folvane
