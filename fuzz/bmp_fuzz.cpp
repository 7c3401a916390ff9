// Bitmaps from strangers: decoded or refused, never read past.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that a read one byte past the input is caught.
  const std::vector<std::uint8_t> input(data, data + size);
  try {
    const folvane::PixelBuffer picture = folvane::DecodeBmp(input.data(), input.size());
    if (!picture.Empty() && picture.Format() != folvane::PixelFormat::Bgr24) __builtin_trap();
  } catch (const folvane::PictureError&) {
  }
  return 0;
}
