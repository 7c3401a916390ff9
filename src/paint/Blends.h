#pragma once
// Blends over 24-bit bitmaps. Three arithmetic shapes, each used where named:
//   float shape    Round(F * x + (1 - F) * y), halves to even
//                  (BlendRectWithColor, BlendKeyedRect, BlendWithColorKeyed);
//   mask shape     ((x - y) * m + y * 256) >> 8
//                  (BlendColorThroughMask, MergeToBitmap32);
//   constant shape (x * A + y * (255 - A) + 127) div 256
//                  (BlendBitmapRect, BlendBitmaps, via TvtFastSum24).
// Rectangles are clipped to the bitmaps before any pixel is touched; a
// destination that is not 24-bit, or bitmaps of unequal size where equal
// sizes are required, make the call do nothing. Colours are converted with
// ConvertColor.

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// Pixels with Left <= x <= Right and Top <= y <= Bottom (both inclusive,
// clipped to the bitmap): c = Round(F * c + (1 - F) * colour) with
// F = percent / 100, percent clamped to 0..100: the image keeps `percent`.
void BlendRectWithColor(PixelBuffer& bitmap, PixelRect inclusiveRect, int percent,
                        TColor color);

// Source pixel (Left + i, Top + j) of `inclusiveSource` (clipped to the
// source) blends onto destination (x + i, y + j) when that lies inside it:
// d = Round(s - keep * (s - d)), `keep` (0..1) being the destination's share.
// Source pixels equal to `key` are skipped; a key of 0xFF000000 or above is
// no key. The source may be 24 or 32 bits.
void BlendKeyedRect(PixelBuffer& destination, int x, int y, const PixelBuffer& source,
                    PixelRect inclusiveSource, TColor key, double keep);

// Every pixel not equal to `key`: c = Round(keep * (c - colour) + colour).
void BlendWithColorKeyed(PixelBuffer& bitmap, TColor color, TColor key, double keep);

// Equal sizes only: c = ((c - colour) * m + colour * 256) >> 8 with m the
// mask's same channel. White keeps the image, black gives the colour.
void BlendColorThroughMask(PixelBuffer& bitmap, const PixelBuffer& mask, TColor color);

// Blends `sourceRect` (exclusive) of the source onto the destination at `at`
// with factor `a` (the destination's share, clamped to 0..255). Negative
// coordinates of `at` move the source rectangle instead.
void BlendBitmapRect(PixelBuffer& destination, const PixelBuffer& source, int a,
                     PixelPoint at, PixelRect sourceRect);
// The same for two bitmaps of equal size, whole.
void BlendBitmaps(PixelBuffer& destination, const PixelBuffer& source, int a);

// Output (32-bit) channel = ((a - b) * m + b * 256) >> 8, with m the mask's
// channel or one constant (clamped to 0..255). a and b are 24-bit bitmaps of
// equal size (the mask too); the output's fourth byte is left as it is.
void MergeToBitmap32(PixelBuffer& output, const PixelBuffer& a, const PixelBuffer& b,
                     const PixelBuffer& mask);
void MergeToBitmap32(PixelBuffer& output, const PixelBuffer& a, const PixelBuffer& b,
                     int m);

}  // namespace folvane
