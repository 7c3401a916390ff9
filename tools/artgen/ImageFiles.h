#pragma once
// The picture files the program's resources take: uncompressed bottom-up
// BMPs (24 or 32 bits) and icons of 32-bit DIB images with AND masks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Pixels.h"

namespace folvane::artgen {

using Bytes = std::vector<uint8_t>;

// 24 bits ignore alpha; 32 bits store B, G, R, A with BI_RGB.
Bytes encodeBmp(const Pixels& picture, int bitsPerPixel);
// One DIB image per picture; the AND mask marks the pixels whose alpha is 0.
// Pictures must be square, 1 to 256 pixels wide.
Bytes encodeIco(const std::vector<Pixels>& pictures);

struct DecodedBmp {
  int bitsPerPixel = 0;
  uint32_t headerSize = 0;
  uint32_t compression = 0;
  Pixels pixels;  // alpha 255 for 24-bit files
};

struct DecodedIconImage {
  int declaredWidth = 0;  // from the directory entry, 256 written as 0
  int declaredHeight = 0;
  int bitsPerPixel = 0;
  Pixels pixels;
  std::vector<bool> transparentMask;  // the AND mask, row 0 at the top
};

// Both refuse anything but the forms written above and never read past the
// end of the data; a refusal is an empty result.
std::optional<DecodedBmp> decodeBmp(const Bytes& data);
std::optional<std::vector<DecodedIconImage>> decodeIco(const Bytes& data);

bool writeFile(const std::string& path, const Bytes& data);
std::optional<Bytes> readFile(const std::string& path);

}  // namespace folvane::artgen
