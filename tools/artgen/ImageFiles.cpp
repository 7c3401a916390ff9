#include "ImageFiles.h"

#include <fstream>
#include <iterator>

namespace folvane::artgen {
namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;

void put16(Bytes& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(Bytes& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

uint32_t get16(const Bytes& in, size_t at) { return in[at] | in[at + 1] << 8; }

uint32_t get32(const Bytes& in, size_t at) { return get16(in, at) | get16(in, at + 2) << 16; }

size_t rowBytes(int width, int bitsPerPixel) {
  return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

void putInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, uint32_t imageSize) {
  put32(out, kInfoHeaderSize);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(height));
  put16(out, 1);  // planes
  put16(out, static_cast<uint32_t>(bitsPerPixel));
  put32(out, kBiRgb);
  put32(out, imageSize);
  put32(out, 2835);  // 72 dpi, in pixels per metre
  put32(out, 2835);
  put32(out, 0);  // colours used
  put32(out, 0);  // important colours
}

// Colour rows bottom-up, each padded to four bytes.
void putColourRows(Bytes& out, const Pixels& picture, int bitsPerPixel) {
  const size_t padding = rowBytes(picture.width, bitsPerPixel) - picture.width * (bitsPerPixel / 8);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t p = picture.at(x, y);
      out.push_back(p & 0xFF);
      out.push_back((p >> 8) & 0xFF);
      out.push_back((p >> 16) & 0xFF);
      if (bitsPerPixel == 32) out.push_back(p >> 24);
    }
    out.insert(out.end(), padding, 0);
  }
}

void putAndMask(Bytes& out, const Pixels& picture) {
  const size_t stride = rowBytes(picture.width, 1);
  for (int y = picture.height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < picture.width; ++x) {
      if ((picture.at(x, y) >> 24) == 0) row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

// Reads colour rows of a bottom-up DIB whose pixel data starts at `at`.
bool readColourRows(const Bytes& in, size_t at, int bitsPerPixel, Pixels& picture) {
  const size_t stride = rowBytes(picture.width, bitsPerPixel);
  if (at > in.size() || stride * picture.height > in.size() - at) return false;
  picture.argb.resize(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const size_t row = at + stride * (picture.height - 1 - y);
    for (int x = 0; x < picture.width; ++x) {
      const size_t p = row + static_cast<size_t>(x) * (bitsPerPixel / 8);
      const uint32_t alpha = bitsPerPixel == 32 ? in[p + 3] : 0xFF;
      picture.argb[static_cast<size_t>(y) * picture.width + x] =
          alpha << 24 | in[p + 2] << 16 | in[p + 1] << 8 | in[p];
    }
  }
  return true;
}

bool plausibleSize(int32_t width, int32_t height) {
  return width > 0 && height > 0 && width <= 4096 && height <= 4096;
}

std::optional<DecodedIconImage> decodeIconImage(const Bytes& in, size_t entry) {
  DecodedIconImage image;
  image.declaredWidth = in[entry] == 0 ? 256 : in[entry];
  image.declaredHeight = in[entry + 1] == 0 ? 256 : in[entry + 1];
  const uint32_t size = get32(in, entry + 8), offset = get32(in, entry + 12);
  if (offset > in.size() || size > in.size() - offset || size < kInfoHeaderSize) return std::nullopt;
  if (get32(in, offset) != kInfoHeaderSize) return std::nullopt;
  const auto width = static_cast<int32_t>(get32(in, offset + 4));
  const auto doubledHeight = static_cast<int32_t>(get32(in, offset + 8));
  image.bitsPerPixel = static_cast<int>(get16(in, offset + 14));
  if (!plausibleSize(width, doubledHeight) || doubledHeight % 2 != 0 || image.bitsPerPixel != 32 ||
      get32(in, offset + 16) != kBiRgb) {
    return std::nullopt;
  }
  image.pixels.width = width;
  image.pixels.height = doubledHeight / 2;
  const Bytes dib(in.begin() + offset, in.begin() + offset + size);
  if (!readColourRows(dib, kInfoHeaderSize, 32, image.pixels)) return std::nullopt;
  const size_t maskAt = kInfoHeaderSize + rowBytes(width, 32) * image.pixels.height;
  const size_t maskStride = rowBytes(width, 1);
  if (maskAt > dib.size() || maskStride * image.pixels.height > dib.size() - maskAt) return std::nullopt;
  for (int y = 0; y < image.pixels.height; ++y) {
    const size_t row = maskAt + maskStride * (image.pixels.height - 1 - y);
    for (int x = 0; x < width; ++x) image.transparentMask.push_back(dib[row + x / 8] & (0x80 >> (x % 8)));
  }
  return image;
}

}  // namespace

Bytes encodeBmp(const Pixels& picture, int bitsPerPixel) {
  const auto imageSize = static_cast<uint32_t>(rowBytes(picture.width, bitsPerPixel) * picture.height);
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  put32(out, kFileHeaderSize + kInfoHeaderSize + imageSize);
  put32(out, 0);
  put32(out, kFileHeaderSize + kInfoHeaderSize);
  putInfoHeader(out, picture.width, picture.height, bitsPerPixel, imageSize);
  putColourRows(out, picture, bitsPerPixel);
  return out;
}

Bytes encodeIco(const std::vector<Pixels>& pictures) {
  std::vector<Bytes> images;
  for (const Pixels& p : pictures) {
    Bytes dib;
    const auto size = static_cast<uint32_t>(rowBytes(p.width, 32) * p.height + rowBytes(p.width, 1) * p.height);
    putInfoHeader(dib, p.width, p.height * 2, 32, size);
    putColourRows(dib, p, 32);
    putAndMask(dib, p);
    images.push_back(std::move(dib));
  }
  Bytes out;
  put16(out, 0);
  put16(out, 1);  // icon, not cursor
  put16(out, static_cast<uint32_t>(images.size()));
  auto offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(pictures[i].width & 0xFF);  // 256 is written as 0
    out.push_back(pictures[i].height & 0xFF);
    out.push_back(0);  // no palette
    out.push_back(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<uint32_t>(images[i].size()));
    put32(out, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

std::optional<DecodedBmp> decodeBmp(const Bytes& in) {
  if (in.size() < kFileHeaderSize + kInfoHeaderSize || in[0] != 'B' || in[1] != 'M') return std::nullopt;
  DecodedBmp bmp;
  const uint32_t dataAt = get32(in, 10);
  bmp.headerSize = get32(in, kFileHeaderSize);
  const auto width = static_cast<int32_t>(get32(in, kFileHeaderSize + 4));
  const auto height = static_cast<int32_t>(get32(in, kFileHeaderSize + 8));
  bmp.bitsPerPixel = static_cast<int>(get16(in, kFileHeaderSize + 14));
  bmp.compression = get32(in, kFileHeaderSize + 16);
  // Only bottom-up (positive height), uncompressed 24/32-bit pictures.
  if (!plausibleSize(width, height) || (bmp.bitsPerPixel != 24 && bmp.bitsPerPixel != 32) ||
      bmp.compression != kBiRgb) {
    return std::nullopt;
  }
  bmp.pixels.width = width;
  bmp.pixels.height = height;
  if (!readColourRows(in, dataAt, bmp.bitsPerPixel, bmp.pixels)) return std::nullopt;
  return bmp;
}

std::optional<std::vector<DecodedIconImage>> decodeIco(const Bytes& in) {
  if (in.size() < 6 || get16(in, 0) != 0 || get16(in, 2) != 1) return std::nullopt;
  const uint32_t count = get16(in, 4);
  if (count == 0 || 6 + 16 * static_cast<size_t>(count) > in.size()) return std::nullopt;
  std::vector<DecodedIconImage> images;
  for (uint32_t i = 0; i < count; ++i) {
    auto image = decodeIconImage(in, 6 + 16 * static_cast<size_t>(i));
    if (!image) return std::nullopt;
    images.push_back(std::move(*image));
  }
  return images;
}

bool writeFile(const std::string& path, const Bytes& data) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(file);
}

std::optional<Bytes> readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace folvane::artgen
