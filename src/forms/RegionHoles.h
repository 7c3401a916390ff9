#pragma once
// The rectangles cut out of a skinned form's window region: the
// key-coloured runs in the corners of its frame mask and of its caption's
// frame mask.

#include <vector>

#include "paint/PixelGeometry.h"

namespace folvane {

class SkinModel;

// Top and bottom corners of `frameMask` for a width x height window, then
// the top corners of `captionMask`; a missing mask adds nothing.
std::vector<PixelRect> RegionHolesFor(const SkinModel& model, int frameMask, int captionMask,
                                      int width, int height);

}  // namespace folvane
