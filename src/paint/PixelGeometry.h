#pragma once
// Rectangles and points in pixels, and the clipping every pixel loop starts
// with. Coordinates are ints; clipping is done in 64 bits so that no caller
// value, however large, can overflow on its way to a row pointer.

#include <algorithm>
#include <cstdint>

namespace folvane {

struct PixelPoint {
  int X = 0;
  int Y = 0;
};

// Left and top inclusive, right and bottom exclusive, unless a function says
// it reads them inclusive.
struct PixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Left >= Right || Top >= Bottom; }
  friend bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right &&
           a.Bottom == b.Bottom;
  }
  friend bool operator!=(const PixelRect& a, const PixelRect& b) { return !(a == b); }
};

// An exclusive rectangle from one whose right and bottom are inclusive.
inline PixelRect FromInclusive(const PixelRect& r) {
  auto grow = [](int v) {
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{v} + 1, INT32_MAX));
  };
  return {r.Left, r.Top, grow(r.Right), grow(r.Bottom)};
}

// The part of `r` inside a width x height area; empty rectangles come back
// as (0, 0, 0, 0) so that loops over them do nothing.
inline PixelRect ClampRect(const PixelRect& r, int width, int height) {
  PixelRect c{std::clamp(r.Left, 0, std::max(width, 0)),
              std::clamp(r.Top, 0, std::max(height, 0)),
              std::clamp(r.Right, 0, std::max(width, 0)),
              std::clamp(r.Bottom, 0, std::max(height, 0))};
  return c.IsEmpty() ? PixelRect{} : c;
}

// A block copy from a source area to a destination area, both clipped:
// source pixel (SrcX + i, SrcY + j) lands on (DstX + i, DstY + j).
struct CopySpan {
  int SrcX = 0, SrcY = 0, DstX = 0, DstY = 0, Width = 0, Height = 0;
  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// Clips a w x h block copy from (sx, sy) of a sourceW x sourceH source to
// (dx, dy) of a destW x destH destination. Works in 64 bits, so any int
// arithmetic of the caller's (sums of coordinates and sizes) fits.
inline CopySpan ClipBlock(std::int64_t sx, std::int64_t sy, std::int64_t dx, std::int64_t dy,
                          std::int64_t w, std::int64_t h, int sourceW, int sourceH, int destW,
                          int destH) {
  if (w <= 0 || h <= 0) return {};
  // Leading columns and rows that fall outside either bitmap.
  const std::int64_t skipX = std::max<std::int64_t>({0, -sx, -dx});
  const std::int64_t skipY = std::max<std::int64_t>({0, -sy, -dy});
  sx += skipX, dx += skipX, w -= skipX;
  sy += skipY, dy += skipY, h -= skipY;
  w = std::min<std::int64_t>({w, sourceW - sx, destW - dx});
  h = std::min<std::int64_t>({h, sourceH - sy, destH - dy});
  if (w <= 0 || h <= 0) return {};
  return {static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(dx),
          static_cast<int>(dy), static_cast<int>(w), static_cast<int>(h)};
}

// Clips the copy of `source` (exclusive) to `at` against a sourceW x sourceH
// source and a destW x destH destination. Negative destination coordinates
// move the source rectangle instead.
inline CopySpan ClipCopy(const PixelRect& source, int sourceW, int sourceH,
                         PixelPoint at, int destW, int destH) {
  return ClipBlock(source.Left, source.Top, at.X, at.Y,
                   std::int64_t{source.Right} - source.Left,
                   std::int64_t{source.Bottom} - source.Top, sourceW, sourceH, destW, destH);
}

}  // namespace folvane
