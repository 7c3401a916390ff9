#include "runtime/PixelBuffer.h"

#include <cstring>
#include <stdexcept>

namespace folvane {

bool PixelBuffer::SizeAcceptable(int width, int height) {
  return width >= 0 && height >= 0 && width <= kMaxSide &&
         height <= kMaxSide &&
         static_cast<std::int64_t>(width) * height <= kMaxPixels;
}

std::ptrdiff_t PixelBuffer::AlignedStride(int width, PixelFormat format) {
  const std::ptrdiff_t bytes =
      static_cast<std::ptrdiff_t>(width) * (format == PixelFormat::Bgra32 ? 4 : 3);
  return (bytes + 3) & ~static_cast<std::ptrdiff_t>(3);
}

PixelBuffer::PixelBuffer(int width, int height, PixelFormat format)
    : width_(width), height_(height), format_(format) {
  if (!SizeAcceptable(width, height))
    throw std::length_error("Picture size out of range");
  stride_ = AlignedStride(width, format);
  const std::size_t size = static_cast<std::size_t>(stride_) * height;
  if (size > 0) {
    owned_.reset(new std::uint8_t[size]());
    first_ = owned_.get();
  }
}

PixelBuffer PixelBuffer::Borrow(std::uint8_t* firstRow, int width, int height,
                                PixelFormat format, std::ptrdiff_t stride) {
  PixelBuffer b;
  b.first_ = firstRow;
  b.width_ = firstRow ? width : 0;
  b.height_ = firstRow ? height : 0;
  b.format_ = format;
  b.stride_ = stride;
  return b;
}

PixelBuffer PixelBuffer::Clone() const {
  PixelBuffer copy(width_, height_, format_);
  const std::size_t rowBytes = static_cast<std::size_t>(width_) * BytesPerPixel();
  for (int y = 0; y < height_; ++y) std::memcpy(copy.Row(y), Row(y), rowBytes);
  return copy;
}

TColor PixelBuffer::GetColor(int x, int y) const {
  if (!Contains(x, y)) return 0;
  const std::uint8_t* p = Pixel(x, y);
  return static_cast<TColor>(p[2]) | static_cast<TColor>(p[1]) << 8 |
         static_cast<TColor>(p[0]) << 16;
}

void PixelBuffer::SetColor(int x, int y, TColor color) {
  if (!Contains(x, y)) return;
  std::uint8_t* p = Pixel(x, y);
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
}

void PixelBuffer::Fill(TColor color, std::uint8_t alpha) {
  const int bpp = BytesPerPixel();
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = Row(y);
    for (int x = 0; x < width_; ++x, p += bpp) {
      p[0] = static_cast<std::uint8_t>(color >> 16);
      p[1] = static_cast<std::uint8_t>(color >> 8);
      p[2] = static_cast<std::uint8_t>(color);
      if (bpp == 4) p[3] = alpha;
    }
  }
}

}  // namespace folvane
