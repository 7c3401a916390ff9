#pragma once
// Border painting: a nine-slice mask entry drawn into a rectangle.

#include "paint/BackgroundInfo.h"
#include "paint/PaintPlatform.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

// Border slices of one side pair after shrinking them to a length: when the
// two slices do not fit, each loses half of the excess and the far one a
// pixel more for an odd length; neither goes below 0.
struct SlicePair {
  int Near = 0;
  int Far = 0;
};
SlicePair ShrinkSlices(std::int64_t length, int nearSlice, int farSlice);

// Paints state `state` of the border entry `mask` into `rect` of the 24-bit
// `bitmap`: corners, edges and (with `fillCentre`, when the entry's
// StretchMode has bit 4) the centre. `fillCorners` lets key-coloured corner
// pixels show `background`. Nothing happens in state 0 for StretchMode bit
// 2, for a rectangle narrower or lower than 2 pixels, or for an entry
// without a manager. Stretched pieces (StretchMode bit 1, unmasked entries)
// are drawn by `platform`.
void PaintMask(PixelBuffer& bitmap, PixelRect rect, bool fillCentre, bool fillCorners,
               int state, const TsMaskData& mask, const BackgroundInfo& background,
               PaintPlatform& platform = SystemPaintPlatform());

}  // namespace folvane
