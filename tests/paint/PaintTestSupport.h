#pragma once
// Small helpers shared by the pixel tests: filled and random buffers, and a
// checksum to fold many results into one number.

#include <cstdint>
#include <random>
#include <vector>

#include "runtime/PixelBuffer.h"

namespace folvane::test {

inline PixelBuffer Filled(int w, int h, TColor color,
                          PixelFormat format = PixelFormat::Bgr24) {
  PixelBuffer b(w, h, format);
  b.Fill(color);
  return b;
}

// mt19937's output sequence is fixed by the standard, so a seed gives the
// same bytes on every compiler; its distributions are not, hence raw bytes.
class ByteSource {
 public:
  explicit ByteSource(std::uint32_t seed) : engine_(seed) {}
  std::uint8_t Byte() { return static_cast<std::uint8_t>(engine_() >> 24); }
  std::uint32_t Below(std::uint32_t n) { return n ? engine_() % n : 0; }
  void Fill(std::uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) p[i] = Byte();
  }
  void Fill(PixelBuffer& b) {
    for (int y = 0; y < b.Height(); ++y)
      Fill(b.Row(y), static_cast<std::size_t>(b.Width()) * b.BytesPerPixel());
  }

 private:
  std::mt19937 engine_;
};

// FNV-1a over bytes, continued across calls.
class Checksum {
 public:
  void Add(const std::uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) value_ = (value_ ^ p[i]) * 16777619u;
  }
  void Add(const PixelBuffer& b) {
    for (int y = 0; y < b.Height(); ++y)
      Add(b.Row(y), static_cast<std::size_t>(b.Width()) * b.BytesPerPixel());
  }
  std::uint32_t Value() const { return value_; }

 private:
  std::uint32_t value_ = 2166136261u;
};

inline bool SamePixels(const PixelBuffer& a, const PixelBuffer& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Format() != b.Format())
    return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width() * a.BytesPerPixel(); ++x)
      if (a.Row(y)[x] != b.Row(y)[x]) return false;
  return true;
}

}  // namespace folvane::test
