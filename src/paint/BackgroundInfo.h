#pragma once
// What lies behind an area being painted: a bitmap with the position of the
// area's origin inside it, or a plain colour. A value-initialised
// BackgroundInfo is the empty background (not a bitmap, colour 0).

#include "runtime/PixelBuffer.h"

namespace folvane {

struct BackgroundInfo {
  const PixelBuffer* Bitmap = nullptr;  // not owned
  int OffsetX = 0;
  int OffsetY = 0;
  TColor Color = 0;
  bool IsBitmap = false;
};

// A bitmap background with the painted area's origin at (offsetX, offsetY).
inline BackgroundInfo BitmapBackground(const PixelBuffer& bitmap, int offsetX = 0,
                                       int offsetY = 0) {
  // Colour is the key colour, so that a caller testing the colour of a bitmap
  // background sees "nothing resolved" rather than black.
  return {&bitmap, offsetX, offsetY, 0xFF00FF, true};
}

inline BackgroundInfo ColorBackground(TColor color) {
  return {nullptr, 0, 0, color, false};
}

// True when `a` and `b` are the same pixels (one may borrow the other's).
inline bool SamePixels(const PixelBuffer* a, const PixelBuffer* b) {
  return a && b && !a->Empty() && a->Row(0) == b->Row(0);
}

}  // namespace folvane
