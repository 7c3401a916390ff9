#pragma once
// The pixels a window region leaves out so that a skin border's rounded
// corners show the parent: every pixel of the four corner pieces that is
// the key colour in the border entry. Window-free.

#include <vector>

#include "paint/PixelGeometry.h"

namespace folvane {

class SkinModel;

// Horizontal one-pixel-high runs, in the coordinates of a width x height
// control, of the transparent corner pixels of border entry `maskIndex` in
// paint state `state`. None for a missing entry or a control narrower or
// lower than 2 pixels.
std::vector<PixelRect> BorderCornerHoles(const SkinModel& model, int maskIndex, int state,
                                         int width, int height);

}  // namespace folvane
