#include "paint/TintRounded.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "paint/Blends.h"
#include "paint/NewBitmap.h"
#include "paint/PaintColor.h"

namespace folvane {

namespace {

// How far a row of a rounded rectangle stays in from each side: 0 outside
// the corner bands, else the distance from the corner circle.
int CornerInset(const PixelRect& r, int radius, int y) {
  if (radius <= 0) return 0;
  const double centreY = y + 0.5;
  double dy = 0;
  if (centreY < r.Top + radius) dy = r.Top + radius - centreY;
  else if (centreY > r.Bottom - radius) dy = centreY - (r.Bottom - radius);
  if (dy <= 0) return 0;
  const double half = std::sqrt(std::max(0.0, double(radius) * radius - dy * dy));
  // First pixel whose centre lies at or right of the circle's edge.
  return static_cast<int>(std::ceil(radius - half - 0.5));
}

void CopyArea(PixelBuffer& to, int toX, int toY, const PixelBuffer& from, int fromX,
              int fromY, int w, int h) {
  for (int y = 0; y < h; ++y)
    std::memcpy(to.Row(toY + y) + 3 * toX, from.Row(fromY + y) + 3 * fromX,
                static_cast<std::size_t>(w) * 3);
}

}  // namespace

void FillRoundedRect(PixelBuffer& mask, PixelRect rect, int radius, std::uint8_t level) {
  if (mask.Format() != PixelFormat::Bgr24) return;
  const PixelRect r = ClampRect(rect, mask.Width(), mask.Height());
  if (r.IsEmpty()) return;
  // r is not empty, so neither is rect; its sides may still exceed int.
  const std::int64_t shorter =
      std::min(std::int64_t{rect.Right} - rect.Left, std::int64_t{rect.Bottom} - rect.Top);
  radius = static_cast<int>(std::clamp<std::int64_t>(radius, 0, shorter / 2));
  for (int y = r.Top; y < r.Bottom; ++y) {
    const int inset = CornerInset(rect, radius, y);
    const int left = std::max(r.Left, rect.Left + inset);
    const int right = std::min(r.Right, rect.Right - inset);
    if (left < right)
      std::memset(mask.Row(y) + 3 * left, level, static_cast<std::size_t>(right - left) * 3);
  }
}

void TintRounded(PixelBuffer& bitmap, PixelRect rect, int percent, int radius, int blur,
                 TColor color) {
  if (bitmap.Format() != PixelFormat::Bgr24) return;
  const PixelRect r = ClampRect(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  const int w = r.Width(), h = r.Height();
  const int limit = std::min(w, h) / 2;
  blur = std::clamp(blur, 0, limit);
  radius = std::clamp(radius, 0, limit);

  PixelBuffer scratch = NewBitmap24(w, h);
  PixelBuffer mask = NewBitmap24(w, h);
  CopyArea(scratch, 0, 0, bitmap, r.Left, r.Top, w, h);

  const int level = ClampPercent(percent) * 255 / 100;
  // The outermost ring keeps the image whole; rings further in come closer
  // to `level`, which the inside takes.
  const double stepShare = (255.0 - level) / (blur + 1);
  for (int t = 0; t <= blur; ++t) {
    const int grey = t == 0 ? 255 : level + static_cast<int>(RoundHalfEven(stepShare * (blur - t)));
    FillRoundedRect(mask, {t, t, w - t, h - t}, radius, static_cast<std::uint8_t>(grey));
  }
  FillRoundedRect(mask, {blur, blur, w - blur, h - blur}, radius,
                  static_cast<std::uint8_t>(level));

  BlendColorThroughMask(scratch, mask, color);
  CopyArea(bitmap, r.Left, r.Top, scratch, 0, 0, w, h);
}

}  // namespace folvane
