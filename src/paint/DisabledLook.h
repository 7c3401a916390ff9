#pragma once
// Greying and the look of a disabled control.

#include <cstdint>

#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// Every pixel's three channels become (blue + green + red) div 3.
void MakeGrey(PixelBuffer& bitmap);
// The same, except for pixels equal to `key`.
void MakeGreyExceptKey(PixelBuffer& bitmap, TColor key);

// TsDisabledKind is a set of these flags.
enum TsDisabledKindFlag : std::uint8_t { dkBlended = 1u << 0, dkGrayed = 1u << 1 };
using TsDisabledKind = std::uint8_t;

// dkGrayed: the image becomes grey first. dkBlended: the image is mixed with
// what lies behind it - a bitmap background's area at (OffsetX + at.X,
// OffsetY + at.Y) gives 60 % (the image keeps 40 %); a colour background
// gives 50 %, where a background colour of KeyColor (nothing resolved)
// stands for `controlColor`, the colour the control reports for itself.
void ApplyDisabledLook(PixelBuffer& image, TsDisabledKind kind, TColor controlColor,
                       PixelPoint at, const BackgroundInfo& background);

}  // namespace folvane
