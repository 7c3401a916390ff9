#include "controls/EditGlyph.h"

#include <algorithm>
#include <cstdint>

namespace folvane {

void DrawEditGlyph(PixelBuffer& face, PixelPoint at, const PixelBuffer& glyph, int image, int w,
                   int h) {
  if (face.Empty() || glyph.Empty() || w <= 0 || h <= 0 || image < 0) return;
  const int maskOffset = glyph.Height() / 2;
  const long long sourceLeft = 1LL * image * w;
  for (int y = 0; y < h; ++y) {
    const int fy = at.Y + y;
    if (fy < 0 || fy >= face.Height() || y >= maskOffset || y + maskOffset >= glyph.Height())
      continue;
    for (int x = 0; x < w; ++x) {
      const int fx = at.X + x;
      const long long sx = sourceLeft + x;
      if (fx < 0 || fx >= face.Width() || sx >= glyph.Width()) continue;
      const std::uint8_t* src = glyph.Pixel(static_cast<int>(sx), y);
      const std::uint8_t* mask = glyph.Pixel(static_cast<int>(sx), y + maskOffset);
      std::uint8_t* dst = face.Pixel(fx, fy);
      for (int c = 0; c < 3; ++c) {
        const int v = ((dst[c] - src[c]) * mask[c] + src[c] * 256) >> 8;
        dst[c] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
      }
    }
  }
}

int GlyphBlendFactor(int blend) {
  // blend x 2.56 never ends in exactly one half for a whole percentage, so
  // rounding up from .5 equals rounding to even here.
  const int clamped = std::clamp(blend, 0, 100);
  return ((clamped * 256 + 50) / 100) & 0xFF;
}

void BlendEditGlyph(PixelBuffer& composed, const PixelBuffer& plain, int blend) {
  if (blend <= 0) return;
  const int a = GlyphBlendFactor(blend);
  const int w = std::min(composed.Width(), plain.Width());
  const int h = std::min(composed.Height(), plain.Height());
  const int bpp = composed.BytesPerPixel(), plainBpp = plain.BytesPerPixel();
  for (int y = 0; y < h; ++y) {
    std::uint8_t* g = composed.Row(y);
    const std::uint8_t* b = plain.Row(y);
    for (int x = 0; x < w; ++x, g += bpp, b += plainBpp)
      for (int c = 0; c < 3; ++c) g[c] = static_cast<std::uint8_t>((g[c] * a + b[c] * (255 - a) + 127) / 256);
  }
}

}  // namespace folvane
