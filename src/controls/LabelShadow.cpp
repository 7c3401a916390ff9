#include "controls/LabelShadow.h"

#include <algorithm>

namespace folvane {

ShadowExtents MeasureShadowExtents(int distance, int blur) {
  return {std::min(0, distance - blur), std::max(0, distance + blur)};
}

void ShadowMask::Build(const PixelBuffer& text, int blurCount) {
  width_ = text.Width();
  height_ = text.Height();
  const size_t size = static_cast<size_t>(width_ + 2) * static_cast<size_t>(height_ + 2);
  if (bytes_.size() < size) bytes_.resize(size);
  std::fill(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size), 0);
  for (int pass = 0; pass < blurCount; ++pass) {
    MarkText(text);
    BlurOnce();
  }
}

void ShadowMask::MarkText(const PixelBuffer& text) {
  const int step = text.BytesPerPixel();
  const size_t stride = static_cast<size_t>(width_ + 2);
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* p = text.Row(y);
    std::uint8_t* m = &bytes_[static_cast<size_t>(y + 1) * stride + 1];
    for (int x = 0; x < width_; ++x, p += step)
      if (p[0] != 0) m[x] = 255;
  }
}

void ShadowMask::BlurOnce() {
  const size_t stride = static_cast<size_t>(width_ + 2);
  for (int y = 1; y <= height_; ++y) {
    std::uint8_t* row = &bytes_[static_cast<size_t>(y) * stride];
    const std::uint8_t* up = row - stride;
    const std::uint8_t* down = row + stride;
    for (int x = 1; x <= width_; ++x) {
      const int sum = up[x] + down[x] + row[x - 1] + row[x + 1];
      row[x] = static_cast<std::uint8_t>(sum >> 2);
    }
  }
}

namespace {

template <typename Behind>
void Compose(PixelBuffer& image, const ShadowMask& mask, TColor shadow, Behind behind) {
  const int sr = static_cast<int>(shadow & 0xFF), sg = static_cast<int>((shadow >> 8) & 0xFF);
  const int sb = static_cast<int>((shadow >> 16) & 0xFF);
  const int step = image.BytesPerPixel();
  const int w = std::min(image.Width(), mask.Width()), h = std::min(image.Height(), mask.Height());
  for (int y = 0; y < h; ++y) {
    std::uint8_t* p = image.Row(y);
    for (int x = 0; x < w; ++x, p += step) {
      const int m = mask.At(x, y);
      const int blue = behind(p[0], 0), green = behind(p[1], 1), red = behind(p[2], 2);
      p[0] = static_cast<std::uint8_t>((blue * (255 - m) + sb * m) >> 8);
      p[1] = static_cast<std::uint8_t>((green * (255 - m) + sg * m) >> 8);
      p[2] = static_cast<std::uint8_t>((red * (255 - m) + sr * m) >> 8);
    }
  }
}

}  // namespace

void ComposeShadow(PixelBuffer& image, const ShadowMask& mask, TColor shadow) {
  Compose(image, mask, shadow, [](std::uint8_t own, int) { return int{own}; });
}

void ComposeShadowOverColor(PixelBuffer& image, const ShadowMask& mask, TColor shadow,
                            TColor labelColor) {
  const int channels[3] = {static_cast<int>((labelColor >> 16) & 0xFF),
                           static_cast<int>((labelColor >> 8) & 0xFF),
                           static_cast<int>(labelColor & 0xFF)};
  Compose(image, mask, shadow, [&channels](std::uint8_t, int c) { return channels[c]; });
}

}  // namespace folvane
