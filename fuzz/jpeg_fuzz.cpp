// JPEG pictures from strangers, through the native decoder.

#include <cstddef>
#include <cstdint>

#include "skin/PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A smaller size limit than the program's keeps each run fast; the limit
  // itself is checked the same way.
  constexpr std::int64_t kFuzzMaxPixels = 1 << 20;
  try {
    const folvane::PixelBuffer picture = folvane::DecodeJpeg(data, size, kFuzzMaxPixels);
    if (static_cast<std::int64_t>(picture.Width()) * picture.Height() > kFuzzMaxPixels) __builtin_trap();
  } catch (const folvane::PictureError&) {
  }
  return 0;
}
