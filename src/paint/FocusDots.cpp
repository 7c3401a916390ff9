#include "paint/FocusDots.h"

#include <algorithm>
#include <cstdint>

namespace folvane {

namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;

// A dot and its white companion one up and left, each skipped when outside
// the bitmap (the companion of a dot on Left or Top lies outside the
// rectangle, and may lie outside the bitmap).
void Dot(PixelBuffer& bitmap, std::int64_t x, std::int64_t y) {
  auto put = [&bitmap](std::int64_t px, std::int64_t py, TColor c) {
    if (px >= 0 && py >= 0 && px < bitmap.Width() && py < bitmap.Height())
      bitmap.SetColor(static_cast<int>(px), static_cast<int>(py), c);
  };
  put(x, y, kBlack);
  put(x - 1, y - 1, kWhite);
}

// Steps i = 0 ... length div 3 along an edge starting at `start`, limited
// to those whose dot or companion can land inside 0 ... size - 1.
template <typename DrawStep>
void ForEachStep(std::int64_t start, std::int64_t length, int size, DrawStep draw) {
  if (length < 0) return;
  const std::int64_t first = start >= 0 ? 0 : (-start + 2) / 3;
  const std::int64_t last = std::min(length / 3, (std::int64_t{size} - start) / 3);
  for (std::int64_t i = first; i <= last; ++i) draw(start + 3 * i);
}

}  // namespace

void DrawDottedFocus(PixelBuffer& bitmap, PixelRect rect) {
  if (bitmap.Empty()) return;
  const std::int64_t width = std::int64_t{rect.Right} - rect.Left;
  const std::int64_t height = std::int64_t{rect.Bottom} - rect.Top;
  ForEachStep(rect.Left, width, bitmap.Width(), [&](std::int64_t x) {
    Dot(bitmap, x, rect.Top);
    Dot(bitmap, x, rect.Bottom);
  });
  ForEachStep(rect.Top, height, bitmap.Height(), [&](std::int64_t y) {
    Dot(bitmap, rect.Left, y);
    Dot(bitmap, rect.Right, y);
  });
}

}  // namespace folvane
