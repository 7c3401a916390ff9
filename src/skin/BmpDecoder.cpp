// Windows bitmap files into 24-bit pixel buffers. Every offset and size
// comes from the file, so each is checked against the input before use and
// the pixel area is known to be present before the buffer is allocated.

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "skin/PictureDecoder.h"
#include "skin/ReadErrors.h"

namespace folvane {

namespace {

constexpr const char* kInvalidBitmap = "Bitmap image is not valid";
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;

[[noreturn]] void Invalid() { throw PictureError(kInvalidBitmap); }

// Little-endian reads that refuse to look outside the input.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Size() const { return size_; }
  const std::uint8_t* At(std::uint64_t offset, std::uint64_t length) const {
    if (offset > size_ || length > size_ - offset) Invalid();
    return data_ + offset;
  }
  std::uint32_t U16(std::uint64_t offset) const {
    const std::uint8_t* p = At(offset, 2);
    return p[0] | p[1] << 8;
  }
  std::uint32_t U32(std::uint64_t offset) const {
    const std::uint8_t* p = At(offset, 4);
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// One colour channel of a 16- or 32-bit pixel: where it sits and how wide.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;  // mask >> shift
  void Set(std::uint32_t m) {
    mask = m;
    shift = 0;
    while (m != 0 && (m & 1) == 0) m >>= 1, ++shift;
    max = m;
  }
  std::uint8_t Extract(std::uint32_t pixel) const {
    if (max == 0) return 0;
    const std::uint64_t v = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
  }
};

struct BmpLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  unsigned bitCount = 0;
  std::uint32_t compression = kRgb;
  std::uint64_t paletteOffset = 0;
  std::uint32_t paletteCount = 0;
  unsigned paletteEntrySize = 4;
  std::array<Channel, 3> channels;  // red, green, blue
  std::uint64_t pixelOffset = 0;
};

void ReadCoreHeader(const Bytes& in, BmpLayout& bmp) {
  bmp.width = static_cast<int>(in.U16(kFileHeaderSize + 4));
  bmp.height = static_cast<int>(in.U16(kFileHeaderSize + 6));
  bmp.bitCount = in.U16(kFileHeaderSize + 10);
  bmp.paletteEntrySize = 3;
}

void ReadInfoHeader(const Bytes& in, std::uint32_t headerSize, BmpLayout& bmp) {
  const auto width = static_cast<std::int32_t>(in.U32(kFileHeaderSize + 4));
  const auto height = static_cast<std::int32_t>(in.U32(kFileHeaderSize + 8));
  if (width < 0 || height == std::numeric_limits<std::int32_t>::min()) Invalid();
  bmp.width = width;
  bmp.height = height < 0 ? -height : height;
  bmp.topDown = height < 0;
  bmp.bitCount = in.U16(kFileHeaderSize + 14);
  bmp.compression = in.U32(kFileHeaderSize + 16);
  bmp.paletteCount = in.U32(kFileHeaderSize + 32);
  if (bmp.compression == kBitFields || bmp.compression == kAlphaBitFields) {
    // The masks sit inside the larger headers, or right after the plain one.
    const std::uint64_t at = kFileHeaderSize + (headerSize >= 52 ? 40 : headerSize);
    bmp.channels[0].Set(in.U32(at));
    bmp.channels[1].Set(in.U32(at + 4));
    bmp.channels[2].Set(in.U32(at + 8));
    if (headerSize < 52) headerSize += bmp.compression == kAlphaBitFields ? 16 : 12;
  }
  bmp.paletteOffset = kFileHeaderSize + headerSize;
}

void SetDefaultChannels(BmpLayout& bmp) {
  const bool masked = bmp.compression == kBitFields || bmp.compression == kAlphaBitFields;
  if (masked) return;
  if (bmp.bitCount == 16) {
    bmp.channels[0].Set(0x7C00), bmp.channels[1].Set(0x03E0), bmp.channels[2].Set(0x001F);
  } else {
    bmp.channels[0].Set(0xFF0000), bmp.channels[1].Set(0x00FF00), bmp.channels[2].Set(0x0000FF);
  }
}

void CheckFormat(BmpLayout& bmp) {
  const unsigned b = bmp.bitCount;
  const bool paletted = b == 1 || b == 4 || b == 8;
  if (!paletted && b != 16 && b != 24 && b != 32) Invalid();
  const bool masked = bmp.compression == kBitFields || bmp.compression == kAlphaBitFields;
  if (bmp.compression != kRgb && !(masked && (b == 16 || b == 32))) Invalid();
  if (paletted) {
    const std::uint32_t full = 1u << b;
    bmp.paletteCount = bmp.paletteCount == 0 ? full : std::min(bmp.paletteCount, full);
  } else {
    bmp.paletteCount = 0;
  }
  SetDefaultChannels(bmp);
}

BmpLayout ReadLayout(const Bytes& in) {
  if (in.Size() < kFileHeaderSize || in.At(0, 2)[0] != 'B' || in.At(0, 2)[1] != 'M') Invalid();
  BmpLayout bmp;
  const std::uint32_t headerSize = in.U32(kFileHeaderSize);
  in.At(kFileHeaderSize, headerSize);  // the whole header must be there
  if (headerSize == kCoreHeaderSize)
    ReadCoreHeader(in, bmp);
  else if (headerSize >= kInfoHeaderSize && headerSize <= 1024)
    ReadInfoHeader(in, headerSize, bmp);
  else
    Invalid();
  if (headerSize == kCoreHeaderSize) bmp.paletteOffset = kFileHeaderSize + headerSize;
  CheckFormat(bmp);
  const std::uint32_t offBits = in.U32(10);
  if (offBits == 0) {
    bmp.pixelOffset = bmp.paletteOffset + std::uint64_t{bmp.paletteCount} * bmp.paletteEntrySize;
  } else {
    // Writers may store fewer palette entries than the header implies (core
    // headers never say); the pixels start where the file header says.
    if (offBits < bmp.paletteOffset) Invalid();
    bmp.pixelOffset = offBits;
    const std::uint64_t stored = (offBits - bmp.paletteOffset) / bmp.paletteEntrySize;
    bmp.paletteCount = static_cast<std::uint32_t>(std::min<std::uint64_t>(bmp.paletteCount, stored));
  }
  return bmp;
}

std::array<TColor, 256> ReadPalette(const Bytes& in, const BmpLayout& bmp) {
  std::array<TColor, 256> palette{};  // indexes beyond the stored entries show black
  const std::uint8_t* p = in.At(bmp.paletteOffset, std::uint64_t{bmp.paletteCount} * bmp.paletteEntrySize);
  for (std::uint32_t i = 0; i < bmp.paletteCount; ++i, p += bmp.paletteEntrySize)
    palette[i] = static_cast<TColor>(p[2]) | p[1] << 8 | p[0] << 16;
  return palette;
}

void PutColor(std::uint8_t* dst, TColor c) {
  dst[0] = static_cast<std::uint8_t>(c >> 16);
  dst[1] = static_cast<std::uint8_t>(c >> 8);
  dst[2] = static_cast<std::uint8_t>(c);
}

// One loop per layout, so that the pixel loops carry no format branches.
template <unsigned Bits>
void DecodePaletteRow(const std::uint8_t* src, std::uint8_t* dst, int width,
                      const std::array<TColor, 256>& palette) {
  constexpr unsigned kPerByte = 8 / Bits;
  constexpr unsigned kMask = (1u << Bits) - 1;
  for (int x = 0; x < width; ++x, dst += 3) {
    const unsigned shift = 8 - Bits * (x % kPerByte + 1);
    PutColor(dst, palette[(src[x / kPerByte] >> shift) & kMask]);
  }
}

void DecodeMaskedRow(const std::uint8_t* src, std::uint8_t* dst, const BmpLayout& bmp) {
  const bool wide = bmp.bitCount == 32;
  for (int x = 0; x < bmp.width; ++x, dst += 3) {
    const std::uint8_t* p = src + (wide ? 4 * x : 2 * x);
    const std::uint32_t v = wide ? p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24
                                 : p[0] | p[1] << 8;
    dst[0] = bmp.channels[2].Extract(v);
    dst[1] = bmp.channels[1].Extract(v);
    dst[2] = bmp.channels[0].Extract(v);
  }
}

void DecodeRow(const std::uint8_t* src, std::uint8_t* dst, const BmpLayout& bmp,
               const std::array<TColor, 256>& palette) {
  switch (bmp.bitCount) {
    case 1:
      return DecodePaletteRow<1>(src, dst, bmp.width, palette);
    case 4:
      return DecodePaletteRow<4>(src, dst, bmp.width, palette);
    case 8:
      return DecodePaletteRow<8>(src, dst, bmp.width, palette);
    case 24:
      std::memcpy(dst, src, static_cast<std::size_t>(bmp.width) * 3);
      return;
    case 32:
      if (bmp.compression == kRgb) {  // B, G, R and an unused byte
        for (int x = 0; x < bmp.width; ++x) std::memcpy(dst + 3 * x, src + 4 * x, 3);
        return;
      }
      return DecodeMaskedRow(src, dst, bmp);
    default:
      return DecodeMaskedRow(src, dst, bmp);
  }
}

}  // namespace

PixelBuffer DecodeBmp(const std::uint8_t* data, std::size_t size) {
  const Bytes in(data, size);
  const BmpLayout bmp = ReadLayout(in);
  const std::array<TColor, 256> palette = ReadPalette(in, bmp);
  if (bmp.width == 0 || bmp.height == 0) return PixelBuffer();
  if (!PixelBuffer::SizeAcceptable(bmp.width, bmp.height)) Invalid();
  const std::uint64_t rowBits = std::uint64_t{static_cast<unsigned>(bmp.width)} * bmp.bitCount;
  const std::uint64_t stride = (rowBits + 31) / 32 * 4;
  // The last row may lack its padding; everything before it must be whole.
  const std::uint64_t needed = stride * (bmp.height - 1) + (rowBits + 7) / 8;
  const std::uint8_t* pixels = in.At(bmp.pixelOffset, needed);

  PixelBuffer out(bmp.width, bmp.height, PixelFormat::Bgr24);
  for (int y = 0; y < bmp.height; ++y) {
    const int stored = bmp.topDown ? y : bmp.height - 1 - y;
    DecodeRow(pixels + stride * stored, out.Row(y), bmp, palette);
  }
  return out;
}

}  // namespace folvane
