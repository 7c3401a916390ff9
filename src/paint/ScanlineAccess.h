#pragma once
// Scanline accessors: attach to a bitmap, then reach its pixels through row
// pointers. Row(y) is the top-down row whatever the bitmap's memory order;
// RowDelta is the signed distance from one row to the next one below.
// An accessor refuses bitmaps narrower or lower than 2 pixels (and bitmaps
// of the other pixel format), so that operations built on it do nothing
// there.
// They are cheap value objects: make one where it is needed rather than
// sharing one between callers. Attaching to a const bitmap is for reading
// it; the row pointers are not const so that one type serves both uses.

#include <cassert>
#include <cstddef>
#include <cstdint>

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

class TvtFast24 {
 public:
  bool Attach(PixelBuffer* bitmap);
  bool Attach(const PixelBuffer* bitmap) { return Attach(const_cast<PixelBuffer*>(bitmap)); }

  // Pixel at (x, y) as a colour, red low. Callers check x and y against
  // Width and Height first.
  TColor Pixel(int x, int y) const;
  std::uint8_t* Row(int y) const {
    assert(y >= 0 && y < Height);
    return FirstRow + y * RowDelta;
  }

  PixelBuffer* Bitmap = nullptr;
  int Width = 0;
  int Height = 0;
  std::ptrdiff_t RowDelta = 0;
  std::uint8_t* FirstRow = nullptr;
};

class TvtFast32 {
 public:
  bool Attach(PixelBuffer* bitmap);
  bool Attach(const PixelBuffer* bitmap) { return Attach(const_cast<PixelBuffer*>(bitmap)); }

  // Blue, green and red of the pixel; the top byte means nothing.
  TColor Pixel(int x, int y) const;
  std::uint8_t* Row(int y) const {
    assert(y >= 0 && y < Height);
    return FirstRow + y * RowDelta;
  }

  PixelBuffer* Bitmap = nullptr;
  int Width = 0;
  int Height = 0;
  std::ptrdiff_t RowDelta = 0;
  std::uint8_t* FirstRow = nullptr;
};

// Blends a source rectangle onto a destination rectangle of two 24-bit
// bitmaps with one constant factor A (the destination's share, 0..255):
//   destination = (destination * A + source * (255 - A) + 127) div 256
// per byte. A = 0 gives the source; A = 255 keeps the destination except
// that 255 over 255 gives 254.
class TvtFastSum24 {
 public:
  bool Attach(const PixelBuffer* source, PixelBuffer* destination);

  // Blends DestRect (exclusive) with the same-sized area of the source at
  // SourceRect's origin. Both rectangles are clipped to their bitmaps and
  // to each other first; the vectorised and the reference path give the
  // same bytes.
  void Blend() const;
  void BlendScalar() const;

  std::uint8_t* SourceFirstRow = nullptr;
  std::ptrdiff_t SourceRowDelta = 0;
  std::uint8_t* DestFirstRow = nullptr;
  std::ptrdiff_t DestRowDelta = 0;
  int SourceWidth = 0, SourceHeight = 0;
  int DestWidth = 0, DestHeight = 0;
  int Width = 0;   // the smaller of the two widths
  int Height = 0;  // the smaller of the two heights
  std::uint8_t Factor = 0;
  PixelRect DestRect;
  PixelRect SourceRect;

 private:
  template <typename RowBlend>
  void ForEachRow(RowBlend blend) const;
};

}  // namespace folvane
