#pragma once
// A rectangle of 24-bit (B, G, R) or 32-bit (B, G, R, A) pixels, either owned
// or borrowed from someone else's memory (a DIB section, a decoder's output).
// Rows are addressed through a signed stride so that bottom-up bitmaps are
// walked top-down like any other: Row(0) is always the top line on screen.
// Window-free: the painting code and its native tests work on this type.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace folvane {

// 0x00BBGGRR, red in the low byte, as colours are written in skin files.
using TColor = std::uint32_t;

enum class PixelFormat { Bgr24 = 24, Bgra32 = 32 };

class PixelBuffer {
 public:
  // Largest side and area accepted, so that no allocation is sized by a
  // damaged header alone.
  static constexpr int kMaxSide = 32767;
  static constexpr std::int64_t kMaxPixels = 64ll * 1024 * 1024;

  PixelBuffer() = default;
  // Owning, zero-filled, rows 4-byte aligned. Throws std::length_error when
  // the size is negative or beyond the limits above.
  PixelBuffer(int width, int height, PixelFormat format);

  // Borrows memory: `firstRow` is the top line, `stride` the signed byte
  // distance from one line to the next one below it.
  static PixelBuffer Borrow(std::uint8_t* firstRow, int width, int height,
                            PixelFormat format, std::ptrdiff_t stride);

  PixelBuffer(PixelBuffer&&) noexcept = default;
  PixelBuffer& operator=(PixelBuffer&&) noexcept = default;
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;

  // An owning deep copy (stride normalised to top-down).
  PixelBuffer Clone() const;

  static bool SizeAcceptable(int width, int height);
  static std::ptrdiff_t AlignedStride(int width, PixelFormat format);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  int BytesPerPixel() const { return format_ == PixelFormat::Bgra32 ? 4 : 3; }
  std::ptrdiff_t Stride() const { return stride_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  bool Owns() const { return static_cast<bool>(owned_); }
  bool Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }

  std::uint8_t* Row(int y) { return first_ + y * stride_; }
  const std::uint8_t* Row(int y) const { return first_ + y * stride_; }
  std::uint8_t* Pixel(int x, int y) { return Row(y) + x * BytesPerPixel(); }
  const std::uint8_t* Pixel(int x, int y) const {
    return Row(y) + x * BytesPerPixel();
  }

  // Colour of a pixel as 0x00BBGGRR; outside the buffer answers 0.
  TColor GetColor(int x, int y) const;
  // Writes B, G, R (alpha untouched); outside the buffer does nothing.
  void SetColor(int x, int y, TColor color);
  // Every pixel to `color`; on 32 bits alpha becomes `alpha`.
  void Fill(TColor color, std::uint8_t alpha = 0xFF);

 private:
  std::unique_ptr<std::uint8_t[]> owned_;
  std::uint8_t* first_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bgr24;
  std::ptrdiff_t stride_ = 0;
};

}  // namespace folvane
