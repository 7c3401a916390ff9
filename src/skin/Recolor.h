#pragma once
// Recolouring a loaded skin by a hue offset (degrees) and a saturation
// change, the last step of every load.

#include "skin/SkinContents.h"

namespace folvane {

// K for ShiftSaturation: -saturation rem 101, the remainder taking the sign
// of -saturation (150 gives -49, -30 gives 30).
int SaturationShift(int saturation);

// Every colour of the skin: master-bitmap and own-picture pixels except the
// key colour and greys, section colours (contour colours unless -1),
// gradient colours, Shadow1Color and BorderColor. Colours that are not plain
// RGB (system colours, "none") are left as they are.
void Recolor(SkinContents& skin, int hueOffset, int saturation);

// One colour as Recolor treats it.
TColor RecolorColor(TColor color, int hueOffset, int saturationShift);

}  // namespace folvane
