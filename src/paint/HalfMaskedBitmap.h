#pragma once
// Pictures whose lower half is the transparency mask of their upper half,
// and the key-coloured corner runs of border entries.

#include <vector>

#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

// Draws `sourceRect` of `source` (whose mask for row r is row r + height div
// 2) onto `destRect` of the 24-bit `dest` by the mask rule, over the smaller
// of the two sizes. Key pixels show the background bitmap (at the
// destination position plus its offsets) when `fill` is set and the
// background is a bitmap; with a bitmap background and no fill they stay as
// they were; when the background is not a bitmap every pixel, key or not,
// is blended.
void PaintHalfMaskedBitmap(PixelRect destRect, PixelRect sourceRect, PixelBuffer& dest,
                           bool fill, const BackgroundInfo& background,
                           const PixelBuffer& source);

// Appends one-pixel-high rectangles for every run of key-coloured pixels in
// the corner slices of state image 0 of `mask`: its top WT rows, or with
// `bottom` its bottom WB rows; in each row the left corner (columns 0 ...
// WL - 1) and then the right corner (FW - WR ... FW - 1). A row r lands at
// y = rowOffset + r; right-corner columns move by windowWidth - FW. Runs
// never continue into the next row or from one corner into the other.
void ScanCornerRuns(std::vector<PixelRect>& runs, int windowWidth, const TsMaskData& mask,
                    bool bottom, int rowOffset);

}  // namespace folvane
