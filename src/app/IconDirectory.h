#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace folvane {

// One image of an icon file, with its bytes' place in the file.
struct IconImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
  bool png = false;  // a PNG stream (icons since Windows Vista) instead of a DIB
};

// The images of an icon directory (reserved 0, type 1, at least one image),
// taking each image's size and depth from its own header where the
// directory entry leaves them out. Images whose bytes do not lie inside the
// file are left out; nullopt when the bytes are no icon directory or no
// image is left.
std::optional<std::vector<IconImage>> ReadIconDirectory(std::string_view file);

// The image to draw at size × size: the exact size if there is one, else
// the next larger (scaling down keeps the detail that scaling up would
// blur), else the largest; of equal sizes the deepest colour. `images` must
// not be empty.
std::size_t BestIconImage(const std::vector<IconImage>& images, int size);

}  // namespace folvane
