#pragma once
// Small skins for model tests: an options text and named pictures, packed
// into an archive or laid out as a skin folder.

#include <string>
#include <utility>
#include <vector>

#include "runtime/PixelBuffer.h"
#include "skin/MemoryFileSystem.h"
#include "skin/TestArchive.h"
#include "skin/TestBmp.h"

namespace folvane::test {

// A width x height 24-bit bitmap file filled by `color(x, y)`.
template <typename ColorAt>
Bytes PictureBmp(int width, int height, ColorAt color) {
  BmpLayout layout;
  layout.width = width;
  layout.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) layout.pixels.push_back(color(x, y));
  return MakeBmp(layout);
}

inline Bytes SolidBmp(int width, int height, TColor color) {
  return PictureBmp(width, height, [=](int, int) { return color; });
}

struct SkinFiles {
  std::string Options;
  std::vector<std::pair<std::string, Bytes>> Pictures;  // stored names

  Bytes Packed() const {
    std::vector<RawEntry> entries{Entry("Options.dat", ToBytes(Options))};
    for (const auto& p : Pictures) entries.push_back(Entry(p.first, p.second));
    return Assemble(entries);
  }
  // The skin folder `folder` (with a trailing "\") in `files`.
  void AddFolder(MemoryFileSystem& files, const std::u16string& folder) const {
    files.AddFile(folder + u"Options.dat", Options);
    for (const auto& p : Pictures) files.AddFile(folder + WidenLatin1(p.first), p.second);
  }
};

}  // namespace folvane::test
