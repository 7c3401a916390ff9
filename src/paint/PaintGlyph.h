#pragma once
// Glyphs: one state image of an entry drawn unscaled at a point.

#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

enum GlyphMode { kGlyphNormal = 1, kGlyphFaded = 2 };

// Draws state image min(state, ImageCount - 1) of `mask` with its top-left
// corner at `at` into the 24-bit `bitmap`. Entries with a mask (or an own
// picture) blend through it - mode 2 lifts every mask value by 100 first,
// which fades the glyph; an own picture without a mask is copied. Unmasked
// entries of the master bitmap are copied over `background` (key pixels
// show it) in mode 1 and blended half and half in mode 2. Key-coloured
// pixels are transparent. Nothing happens for an entry with neither an own
// picture nor a manager.
void PaintGlyph(PixelBuffer& bitmap, PixelPoint at, int state,
                const BackgroundInfo& background, const TsMaskData& mask, int mode);

}  // namespace folvane
