#pragma once
// Working bitmaps: zero-filled, top-down, rows 4-byte aligned. Sizes the
// pixel buffer refuses (negative or beyond its limits) throw
// std::length_error from there.

#include "runtime/PixelBuffer.h"

namespace folvane {

inline PixelBuffer NewBitmap24(int width, int height) {
  return PixelBuffer(width, height, PixelFormat::Bgr24);
}
inline PixelBuffer NewBitmap32(int width, int height) {
  return PixelBuffer(width, height, PixelFormat::Bgra32);
}
// The same size as `like`.
inline PixelBuffer NewBitmap24(const PixelBuffer& like) {
  return NewBitmap24(like.Width(), like.Height());
}
inline PixelBuffer NewBitmap32(const PixelBuffer& like) {
  return NewBitmap32(like.Width(), like.Height());
}

}  // namespace folvane
