#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "skin/PictureDecoder.h"
#include "skin/data/JpegFixtures.h"

namespace folvane {
namespace {

using test::gray_jpg;
using test::gray_jpg_len;
using test::quadrants_jpg;
using test::quadrants_jpg_len;

// The native decoder and the platform's codec round differently, and JPEG
// itself is lossy: channels are compared within this many levels.
constexpr int kTolerance = 12;

bool Near(TColor got, TColor want) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>(got >> shift & 0xFF) - static_cast<int>(want >> shift & 0xFF)) > kTolerance)
      return false;
  return true;
}

TEST(JpegDecoder, DecodesColourAndGreyPicturesTo24Bits) {
  struct Probe {
    int x, y;
    TColor want;
  };
  struct Case {
    const char* name;
    const std::uint8_t* data;
    unsigned size;
    int width, height;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"quadrants", quadrants_jpg, quadrants_jpg_len, 16, 16,
       {{3, 3, 0x0000FF}, {12, 3, 0x00FF00}, {3, 12, 0xFF0000}, {12, 12, 0xFFFFFF}, {0, 0, 0x0000FF},
        {15, 15, 0xFFFFFF}}},
      {"grey", gray_jpg, gray_jpg_len, 8, 8, {{0, 0, 0x808080}, {7, 7, 0x808080}}},
  };
  for (const Case& c : cases) {
    const PixelBuffer got = DecodeJpeg(c.data, c.size);
    ASSERT_EQ(got.Width(), c.width) << c.name;
    ASSERT_EQ(got.Height(), c.height) << c.name;
    EXPECT_EQ(got.Format(), PixelFormat::Bgr24) << c.name;
    for (const Probe& p : c.probes)
      EXPECT_TRUE(Near(got.GetColor(p.x, p.y), p.want))
          << c.name << " at " << p.x << "," << p.y << ": " << std::hex << got.GetColor(p.x, p.y);
    EXPECT_EQ(DecodePicture(c.data, c.size).Width(), c.width) << c.name;
  }
}

TEST(JpegDecoder, RefusesDamagedDataAndOversizedPictures) {
  const std::vector<std::uint8_t> whole(quadrants_jpg, quadrants_jpg + quadrants_jpg_len);
  std::vector<std::uint8_t> noFrame = whole;
  noFrame.resize(20);  // the JFIF header and nothing after it
  // Cut inside the compressed pixels: an error, not a picture filled with grey.
  std::vector<std::uint8_t> cutPixels(whole.begin(), whole.end() - 40);
  std::vector<std::uint8_t> notJpeg = whole;
  notJpeg[1] = 0x00;
  std::vector<std::uint8_t> empty;
  for (const auto* bytes : {&noFrame, &cutPixels, &notJpeg, &empty})
    EXPECT_THROW(DecodeJpeg(bytes->data(), bytes->size()), PictureError) << bytes->size();
  // 16 x 16 = 256 pixels, above a limit of 255.
  EXPECT_THROW(DecodeJpeg(whole.data(), whole.size(), 255), PictureError);
}

}  // namespace
}  // namespace folvane
