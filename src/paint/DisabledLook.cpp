#include "paint/DisabledLook.h"

#include <cstdint>

#include "paint/Blends.h"
#include "paint/PaintColor.h"

namespace folvane {

namespace {

template <typename Skip>
void Grey(PixelBuffer& bitmap, Skip skip) {
  if (bitmap.Format() != PixelFormat::Bgr24) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (skip(p)) continue;
      const auto g = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = g;
    }
  }
}

}  // namespace

void MakeGrey(PixelBuffer& bitmap) {
  Grey(bitmap, [](const std::uint8_t*) { return false; });
}

void MakeGreyExceptKey(PixelBuffer& bitmap, TColor key) {
  Grey(bitmap, [key](const std::uint8_t* p) { return PixelIs(p, key); });
}

void ApplyDisabledLook(PixelBuffer& image, TsDisabledKind kind, TColor controlColor,
                       PixelPoint at, const BackgroundInfo& background) {
  if (kind & dkGrayed) MakeGrey(image);
  if (!(kind & dkBlended) || image.Empty()) return;
  if (background.IsBitmap) {
    if (!background.Bitmap) return;
    const std::int64_t left = std::int64_t{background.OffsetX} + at.X;
    const std::int64_t top = std::int64_t{background.OffsetY} + at.Y;
    // An area entirely off the background blends nothing; clamping keeps the
    // rectangle's arithmetic inside int.
    if (left >= background.Bitmap->Width() || top >= background.Bitmap->Height() ||
        left + image.Width() <= 0 || top + image.Height() <= 0)
      return;
    const PixelRect area{static_cast<int>(left), static_cast<int>(top),
                         static_cast<int>(left + image.Width() - 1),
                         static_cast<int>(top + image.Height() - 1)};
    BlendKeyedRect(image, 0, 0, *background.Bitmap, area, NoKeyThreshold, 0.4);
    return;
  }
  const TColor color = background.Color == KeyColor ? controlColor : background.Color;
  BlendRectWithColor(image, {0, 0, image.Width(), image.Height()}, 50, color);
}

}  // namespace folvane
