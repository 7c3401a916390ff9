// Packed skins from strangers: the reader may fail, but only with its own
// error kinds, and never reads, allocates or loops beyond what the input
// can hold.

#include <cstddef>
#include <cstdint>
#include <exception>

#include "skin/vtSkinPack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  folvane::MemorySource source(data, size);
  folvane::TvtSkinConvertor reader;
  reader.LendSource(source);
  try {
    reader.Parse();
  } catch (const std::exception&) {
    // Every failure is an ordinary load error; entries read before it stay.
  }
  for (const char* name : {"MASTER.BMP", "TL.BMP", "A"}) {
    if (folvane::MemoryStream* image = reader.FindImage(name)) {
      if (image->Position() != 0) __builtin_trap();
    }
  }
  if (source.Position() > source.Size()) __builtin_trap();
  return 0;
}
