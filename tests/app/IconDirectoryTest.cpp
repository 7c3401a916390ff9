#include "app/IconDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace folvane {
namespace {

struct ImageShape {
  int width, height, bitCount;
  bool png;
};

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

// The image's own header only: enough for the directory reader.
std::string Image(const ImageShape& s) {
  std::string image;
  if (s.png) {
    image = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t v : {static_cast<std::uint32_t>(s.width), static_cast<std::uint32_t>(s.height)}) {
      for (int shift = 24; shift >= 0; shift -= 8) image += static_cast<char>(v >> shift & 0xFF);
    }
  } else {
    Put(image, 40, 4);
    Put(image, s.width, 4);
    Put(image, 2 * s.height, 4);
    Put(image, 1, 2);
    Put(image, s.bitCount, 2);
    image += std::string(24, '\0');
  }
  return image;
}

// Directory entries as icon editors write them: 0 for 256, and no depth
// for PNG images.
std::string IconFile(const std::vector<ImageShape>& images) {
  std::string file;
  Put(file, 0, 2);
  Put(file, 1, 2);
  Put(file, static_cast<std::uint32_t>(images.size()), 2);
  std::string data;
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const ImageShape& s : images) {
    const std::string image = Image(s);
    file += static_cast<char>(s.width >= 256 ? 0 : s.width);
    file += static_cast<char>(s.height >= 256 ? 0 : s.height);
    Put(file, 0, 2);
    Put(file, 1, 2);
    Put(file, s.png ? 0 : s.bitCount, 2);
    Put(file, static_cast<std::uint32_t>(image.size()), 4);
    Put(file, offset, 4);
    offset += static_cast<std::uint32_t>(image.size());
    data += image;
  }
  return file + data;
}

TEST(IconDirectory, PicksTheImageThatBestFits32) {
  const struct {
    const char* name;
    std::vector<ImageShape> images;
    std::size_t best;
  } cases[] = {
      {"16 first, 32 later", {{16, 16, 32, false}, {32, 32, 32, false}, {48, 48, 32, false}}, 1},
      {"256 PNG first", {{256, 256, 32, true}, {32, 32, 8, false}, {16, 16, 32, false}}, 1},
      {"256 PNG alone", {{256, 256, 32, true}}, 0},
      {"48 only", {{48, 48, 32, false}}, 0},
      {"16 or 48: the larger scales down", {{16, 16, 32, false}, {48, 48, 32, false}}, 1},
      {"24 or 256 or 64: the next larger", {{24, 24, 32, false}, {256, 256, 32, true}, {64, 64, 32, false}}, 2},
      {"all smaller: the largest", {{16, 16, 32, false}, {24, 24, 32, false}, {20, 20, 32, false}}, 1},
      {"same size: the deeper colour", {{32, 32, 4, false}, {32, 32, 32, false}, {32, 32, 8, false}}, 1},
      {"32 PNG beside 32 BMP of 8 bits", {{32, 32, 8, false}, {32, 32, 32, true}}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto images = ReadIconDirectory(IconFile(c.images));
    ASSERT_TRUE(images);
    ASSERT_EQ(images->size(), c.images.size());
    for (std::size_t i = 0; i < images->size(); ++i) {
      EXPECT_EQ((*images)[i].width, c.images[i].width);
      EXPECT_EQ((*images)[i].png, c.images[i].png);
    }
    EXPECT_EQ(BestIconImage(*images, 32), c.best);
  }
}

TEST(IconDirectory, RefusesWhatIsNoIconDirectory) {
  std::string pngFile = Image({32, 32, 32, true});
  std::string cursor = IconFile({{32, 32, 32, false}});
  cursor[2] = 2;
  std::string noImages = IconFile({{32, 32, 32, false}}).substr(0, 6);
  noImages[4] = 0;
  const std::string truncatedEntries = IconFile({{32, 32, 32, false}, {16, 16, 32, false}}).substr(0, 30);
  std::string outside = IconFile({{32, 32, 32, false}});
  outside[6 + 12 + 3] = '\x7f';  // offset far past the end
  std::string huge = IconFile({{32, 32, 32, false}});
  for (int i = 0; i < 4; ++i) huge[6 + 8 + i] = '\xff';  // offset + size would wrap
  for (const std::string& bytes : {std::string(), pngFile, cursor, noImages, truncatedEntries, outside, huge}) {
    EXPECT_FALSE(ReadIconDirectory(bytes));
  }
}

TEST(IconDirectory, LeavesOutImagesOutsideTheFile) {
  std::string file = IconFile({{16, 16, 32, false}, {32, 32, 32, false}});
  file[6 + 16 + 12 + 2] = '\x7f';
  const auto images = ReadIconDirectory(file);
  ASSERT_TRUE(images);
  ASSERT_EQ(images->size(), 1u);
  EXPECT_EQ((*images)[0].width, 16);
}

}  // namespace
}  // namespace folvane
