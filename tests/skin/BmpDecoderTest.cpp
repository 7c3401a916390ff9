#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "skin/PictureDecoder.h"
#include "skin/TestBmp.h"

namespace folvane {
namespace {

using test::BmpLayout;
using test::MakeBmp;

constexpr TColor kKey = 0xFF00FF;  // the skins' key colour: decoded like any other

// Three columns so that every bit depth needs row padding; six colours
// whose channels are 0 or 255, exact in every format down to 16 bits.
const std::vector<TColor> kSixColours = {kKey, 0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000};

void ExpectPixels(const PixelBuffer& got, const BmpLayout& layout, const std::string& label) {
  ASSERT_EQ(got.Width(), layout.width) << label;
  ASSERT_EQ(got.Height(), layout.height) << label;
  EXPECT_EQ(got.Format(), PixelFormat::Bgr24) << label;
  for (int y = 0; y < layout.height; ++y)
    for (int x = 0; x < layout.width; ++x)
      EXPECT_EQ(got.GetColor(x, y), layout.pixels[y * layout.width + x]) << label << " at " << x << "," << y;
}

TEST(BmpDecoder, DecodesEveryLayoutInBothRowOrders) {
  struct Case {
    const char* name;
    unsigned bitCount;
    std::uint32_t headerSize;
    bool bitFields;
    std::array<std::uint32_t, 3> masks;
  };
  const std::array<std::uint32_t, 3> rgb = {0xFF0000, 0x00FF00, 0x0000FF};
  const Case cases[] = {
      {"1-bit", 1, 40, false, rgb},          {"4-bit", 4, 40, false, rgb},
      {"8-bit", 8, 40, false, rgb},          {"8-bit core", 8, 12, false, rgb},
      {"16-bit 555", 16, 40, false, rgb},    {"16-bit 565", 16, 40, true, {0xF800, 0x07E0, 0x001F}},
      {"24-bit", 24, 40, false, rgb},        {"24-bit V5 header", 24, 124, false, rgb},
      {"32-bit", 32, 40, false, rgb},        {"32-bit masks in V4", 32, 108, true, {0xFF000000, 0xFF0000, 0xFF00}},
  };
  for (const Case& c : cases) {
    for (bool topDown : {false, true}) {
      if (topDown && c.headerSize == 12) continue;  // core headers are bottom-up only
      BmpLayout layout;
      layout.width = 3, layout.height = 2, layout.topDown = topDown;
      layout.bitCount = c.bitCount, layout.headerSize = c.headerSize;
      layout.bitFields = c.bitFields, layout.masks = c.masks;
      layout.pixels = kSixColours;
      if (c.bitCount == 1) layout.pixels = {kKey, 0, 0, kKey, kKey, 0};
      const std::vector<std::uint8_t> file = MakeBmp(layout);
      const std::string label = std::string(c.name) + (topDown ? " top-down" : " bottom-up");
      ExpectPixels(DecodeBmp(file.data(), file.size()), layout, label);
      ExpectPixels(DecodePicture(file.data(), file.size()), layout, label + " via DecodePicture");
    }
  }
}

TEST(BmpDecoder, IndexBeyondTheStoredPaletteIsBlack) {
  BmpLayout layout;
  layout.width = 2, layout.height = 1, layout.bitCount = 8;
  layout.pixels = {kKey, 0xFFFFFF};
  std::vector<std::uint8_t> file = MakeBmp(layout);
  file[file.size() - 3] = 200;  // second pixel: index 200 of a 2-entry palette
  const PixelBuffer got = DecodeBmp(file.data(), file.size());
  EXPECT_EQ(got.GetColor(0, 0), kKey);
  EXPECT_EQ(got.GetColor(1, 0), 0u);
}

TEST(BmpDecoder, ZeroSizeGivesAnEmptyPicture) {
  BmpLayout layout;
  layout.width = 0, layout.height = 5;
  const std::vector<std::uint8_t> file = MakeBmp(layout);
  EXPECT_TRUE(DecodeBmp(file.data(), file.size()).Empty());
}

TEST(BmpDecoder, LastRowMayLackItsPadding) {
  BmpLayout layout;
  layout.width = 3, layout.height = 2, layout.pixels = kSixColours;
  std::vector<std::uint8_t> file = MakeBmp(layout);
  file.resize(file.size() - 3);
  ExpectPixels(DecodeBmp(file.data(), file.size()), layout, "unpadded last row");
}

void SetU32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(BmpDecoder, RefusesDamagedFilesWithoutReadingPastThem) {
  BmpLayout layout;
  layout.width = 3, layout.height = 2, layout.bitCount = 8, layout.pixels = kSixColours;
  const std::vector<std::uint8_t> good = MakeBmp(layout);
  struct Case {
    const char* name;
    void (*damage)(std::vector<std::uint8_t>&);
  };
  const Case cases[] = {
      {"empty", [](auto& f) { f.clear(); }},
      {"not BM", [](auto& f) { f[1] = 'A'; }},
      {"header cut short", [](auto& f) { f.resize(30); }},
      {"palette cut short", [](auto& f) { f.resize(14 + 40 + 8); }},
      {"pixels cut short", [](auto& f) { f.resize(f.size() - 5); }},
      {"header size 13", [](auto& f) { SetU32(f, 14, 13); }},
      {"header size beyond the file", [](auto& f) { SetU32(f, 14, 4000); }},
      {"2 bits per pixel", [](auto& f) { f[28] = 2; }},
      {"run-length compressed", [](auto& f) { SetU32(f, 30, 1); }},
      {"bit fields on a palette", [](auto& f) { SetU32(f, 30, 3); }},
      {"negative width", [](auto& f) { SetU32(f, 18, 0xFFFFFFFD); }},
      {"height INT_MIN", [](auto& f) { SetU32(f, 22, 0x80000000u); }},
      {"pixel offset past the end", [](auto& f) { SetU32(f, 10, 0xFFFFFF00u); }},
      // Sizes a pixel buffer accepts, but the file holds far too few bytes:
      // refused before anything of that size is allocated.
      {"8000 x 8000 in a few bytes", [](auto& f) { SetU32(f, 18, 8000), SetU32(f, 22, 8000); }},
      {"beyond the size limit", [](auto& f) { SetU32(f, 18, 40000), SetU32(f, 22, 40000); }},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> file = good;
    c.damage(file);
    // An exact-size copy, so that ASan sees any read past the input.
    std::vector<std::uint8_t> exact(file.begin(), file.end());
    exact.shrink_to_fit();
    EXPECT_THROW(DecodeBmp(exact.data(), exact.size()), PictureError) << c.name;
  }
}

}  // namespace
}  // namespace folvane
