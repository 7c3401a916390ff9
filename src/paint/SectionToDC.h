#pragma once
// A skin section painted straight onto a device context (Windows build
// only).

#include <windows.h>

#include <string_view>

#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"

namespace folvane {

class SkinModel;

// Paints PaintSection of `sectionIndex` (textures looked up by name) into a
// scratch bitmap of `rect`'s size and copies it to `dc` at `rect`; the DC's
// state is the same afterwards. `offset` is where rect's origin lies inside
// the background. Nothing happens when rect has a negative left or top or
// no area, or when the section is not valid.
void PaintSectionToDC(int sectionIndex, std::string_view sectionName,
                      const BackgroundInfo& background, const SkinModel& model, HDC dc,
                      PixelPoint offset, PixelRect rect, int state, bool fillCentre);

}  // namespace folvane
