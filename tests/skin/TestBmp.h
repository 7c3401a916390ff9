#pragma once
// Writes small Windows bitmap files for tests, in whichever layout a case
// needs: core or info headers, palettes, bit-field masks, either row order.
// Pixels are given top-down as 0x00BBGGRR colours.

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "runtime/PixelBuffer.h"

namespace folvane::test {

struct BmpLayout {
  int width = 0;
  int height = 0;                 // rows; the header says -height when topDown
  bool topDown = false;
  unsigned bitCount = 24;
  std::uint32_t headerSize = 40;  // 12 (core), 40, 108 or 124
  bool bitFields = false;         // 16 and 32 bits: masks given below
  std::array<std::uint32_t, 3> masks{0xFF0000, 0x00FF00, 0x0000FF};  // red, green, blue
  std::vector<TColor> pixels;     // width * height, top row first
};

namespace bmp_detail {

inline void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline std::uint32_t PackChannel(std::uint8_t c, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const std::uint64_t max = mask >> shift;
  return static_cast<std::uint32_t>((c * max + 127) / 255) << shift;
}

inline std::uint32_t PackPixel(TColor c, const BmpLayout& s) {
  return PackChannel(c & 0xFF, s.masks[0]) | PackChannel((c >> 8) & 0xFF, s.masks[1]) |
         PackChannel((c >> 16) & 0xFF, s.masks[2]);
}

inline std::vector<TColor> PaletteOf(const BmpLayout& s) {
  std::vector<TColor> palette;
  for (TColor c : s.pixels)
    if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
  if (palette.size() > (1u << s.bitCount)) throw std::logic_error("too many colours");
  return palette;
}

inline void PutRow(std::vector<std::uint8_t>& row, const BmpLayout& s, int y,
                   const std::vector<TColor>& palette) {
  for (int x = 0; x < s.width; ++x) {
    const TColor c = s.pixels[static_cast<std::size_t>(y) * s.width + x];
    if (s.bitCount <= 8) {
      const auto index = static_cast<unsigned>(std::find(palette.begin(), palette.end(), c) - palette.begin());
      const unsigned bit = x * s.bitCount;
      row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - s.bitCount - bit % 8));
    } else if (s.bitCount == 24) {
      row[3 * x] = c >> 16 & 0xFF, row[3 * x + 1] = c >> 8 & 0xFF, row[3 * x + 2] = c & 0xFF;
    } else {
      const std::uint32_t v = PackPixel(c, s);
      for (unsigned i = 0; i < s.bitCount / 8; ++i) row[x * s.bitCount / 8 + i] = v >> (8 * i) & 0xFF;
    }
  }
}

}  // namespace bmp_detail

inline std::vector<std::uint8_t> MakeBmp(BmpLayout s) {
  using namespace bmp_detail;
  if (!s.bitFields && s.bitCount == 16) s.masks = {0x7C00, 0x03E0, 0x001F};
  const std::vector<TColor> palette = s.bitCount <= 8 ? PaletteOf(s) : std::vector<TColor>{};
  const bool core = s.headerSize == 12;
  const std::uint32_t masksAfterHeader = s.bitFields && s.headerSize == 40 ? 12 : 0;
  const std::uint32_t paletteBytes = static_cast<std::uint32_t>(palette.size()) * (core ? 3 : 4);
  const std::uint32_t offBits = 14 + s.headerSize + masksAfterHeader + paletteBytes;
  const std::size_t stride = (static_cast<std::size_t>(s.width) * s.bitCount + 31) / 32 * 4;

  std::vector<std::uint8_t> out{'B', 'M'};
  Put(out, static_cast<std::uint32_t>(offBits + stride * s.height), 4);
  Put(out, 0, 4);
  Put(out, offBits, 4);
  Put(out, s.headerSize, 4);
  if (core) {
    Put(out, s.width, 2), Put(out, s.height, 2), Put(out, 1, 2), Put(out, s.bitCount, 2);
  } else {
    Put(out, s.width, 4), Put(out, s.topDown ? -s.height : s.height, 4);
    Put(out, 1, 2), Put(out, s.bitCount, 2);
    Put(out, s.bitFields ? 3 : 0, 4);
    Put(out, 0, 4), Put(out, 2835, 4), Put(out, 2835, 4);
    Put(out, static_cast<std::uint32_t>(palette.size()), 4), Put(out, 0, 4);
    for (std::uint32_t m : s.masks)
      if (s.bitFields) Put(out, m, 4);
    out.resize(14 + s.headerSize + masksAfterHeader, 0);  // the rest of a V4/V5 header
  }
  for (TColor c : palette) {
    Put(out, c >> 16 & 0xFF, 1), Put(out, c >> 8 & 0xFF, 1), Put(out, c & 0xFF, 1);
    if (!core) Put(out, 0, 1);
  }
  for (int i = 0; i < s.height; ++i) {
    const int y = s.topDown ? i : s.height - 1 - i;
    std::vector<std::uint8_t> row(stride, 0);
    PutRow(row, s, y, palette);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace folvane::test
