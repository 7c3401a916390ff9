#include "app/IconDirectory.h"

#include <algorithm>

namespace folvane {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

std::uint32_t Le(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint32_t Be32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// A PNG's own header (IHDR, right after the signature) holds its size; a
// DIB's header holds its depth. Directory entries often leave both out
// (0 means 256 for the size, and many editors write 0 for the depth).
void ReadImageHeader(std::string_view image, IconImage& icon) {
  if (image.substr(0, kPngSignature.size()) == kPngSignature) {
    icon.png = true;
    icon.bitCount = 32;
    if (image.size() >= 24 && image.substr(12, 4) == "IHDR") {
      const std::uint32_t w = Be32(image, 16), h = Be32(image, 20);
      if (w > 0 && w <= 1024 && h > 0 && h <= 1024) {
        icon.width = static_cast<int>(w);
        icon.height = static_cast<int>(h);
      }
    }
  } else if (image.size() >= 16) {
    const std::uint32_t bits = Le(image, 14, 2);
    if (bits > 0 && bits <= 32) icon.bitCount = static_cast<int>(bits);
  }
}

}  // namespace

std::optional<std::vector<IconImage>> ReadIconDirectory(std::string_view file) {
  if (file.size() < kHeaderSize || Le(file, 0, 2) != 0 || Le(file, 2, 2) != 1) return std::nullopt;
  const std::size_t count = Le(file, 4, 2);
  if (count == 0 || file.size() < kHeaderSize + count * kEntrySize) return std::nullopt;
  std::vector<IconImage> images;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kHeaderSize + i * kEntrySize;
    IconImage icon;
    icon.width = file[entry] ? static_cast<unsigned char>(file[entry]) : 256;
    icon.height = file[entry + 1] ? static_cast<unsigned char>(file[entry + 1]) : 256;
    icon.bitCount = static_cast<int>(Le(file, entry + 6, 2));
    icon.size = Le(file, entry + 8, 4);
    icon.offset = Le(file, entry + 12, 4);
    // Compared without adding, so a huge offset or size cannot wrap.
    if (icon.size == 0 || icon.offset > file.size() || icon.size > file.size() - icon.offset) continue;
    ReadImageHeader(file.substr(icon.offset, icon.size), icon);
    images.push_back(icon);
  }
  if (images.empty()) return std::nullopt;
  return images;
}

std::size_t BestIconImage(const std::vector<IconImage>& images, int size) {
  // How far an image is from fitting: images at least as large come first,
  // the smallest of them best; then smaller ones, the largest best.
  auto misfit = [size](const IconImage& i) {
    const int side = std::max(i.width, i.height);
    return side >= size ? side - size : 1'000'000 + (size - side);
  };
  std::size_t best = 0;
  for (std::size_t i = 1; i < images.size(); ++i) {
    const int a = misfit(images[i]), b = misfit(images[best]);
    if (a < b || (a == b && images[i].bitCount > images[best].bitCount)) best = i;
  }
  return best;
}

}  // namespace folvane
