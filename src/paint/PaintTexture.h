#pragma once
// Textures: a tile (an entry's rectangle or a JPEG pattern) laid over a
// rectangle in one of the texture modes.

#include "paint/BackgroundInfo.h"
#include "paint/PaintPlatform.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

// Returned when a texture leaves nothing of the rectangle uncovered.
constexpr PixelRect kNothingUncovered{-1, -1, -1, -1};

// Covers `rect` of the 24-bit `bitmap` with `pattern` when given (drawn
// whole in a grid by the platform, clipped to rect), else with the entry's
// tile (its whole rectangle) in `mode`:
//   0 tiles, the last column and row cut;     1 one stretched copy;
//   2 a row of tiles along the top;           3 a column along the left;
//   4 stretched across at natural height;     5 stretched down at natural width;
//   6 a row of tiles along the bottom;        7 a column along the right;
//  10 whole rows of tiles from the top, the last column cut, no cut row.
// Answers the part left uncovered for the caller to fill: kNothingUncovered
// when nothing is left, and the whole rectangle for a mode without a
// meaning or a tile without pixels.
PixelRect PaintTexture(PixelBuffer& bitmap, PixelRect rect, const TsPatternData* pattern,
                       int mode, const TsMaskData* mask,
                       PaintPlatform& platform = SystemPaintPlatform());

// The same for a texture entry with a mask (MaskType other than 0): the tile
// is the first state image, its mask below it. Mode 0 tiles the whole
// rectangle by the mask rule, key pixels showing `background` (its bitmap,
// or its colour unless that is the key colour); mode 10 lays only whole
// tiles and fills the strips right of and below them from `background`.
// Other modes paint nothing and leave the whole rectangle uncovered.
PixelRect PaintMaskedTexture(PixelBuffer& bitmap, PixelRect rect,
                             const BackgroundInfo& background, int mode,
                             const TsMaskData& mask);

}  // namespace folvane
