#include "paint/KeyedCopies.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "paint/PaintColor.h"
#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

using test::Filled;

constexpr TColor A = 0x010203;  // image pixel
constexpr TColor D = 0x0D0D0D;  // destination before the copy
constexpr TColor C = 0x445566;  // background colour
constexpr TColor K = KeyColor;

// Background pixel (x, y) tells where it came from.
PixelBuffer NumberedBackground(int w, int h, PixelFormat f = PixelFormat::Bgr24) {
  PixelBuffer b(w, h, f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetColor(x, y, RgbColor(x + 1, y + 1, 77));
  return b;
}
constexpr TColor Bg(int x, int y) { return RgbColor(x + 1, y + 1, 77); }

std::string RowOf(const PixelBuffer& b, int y) {
  std::string s;
  for (int x = 0; x < b.Width(); ++x) s += std::to_string(b.GetColor(x, y)) + " ";
  return s;
}

TEST(CopyKeyed, KeyPixelsNeverChangeAndTheRectangleIsInclusive) {
  PixelBuffer source = Filled(3, 1, A);
  source.SetColor(1, 0, K);
  PixelBuffer dest = Filled(4, 1, D);
  CopyKeyed(dest, 1, 0, source, {0, 0, 2, 0}, K);
  const TColor expect[] = {D, A, D, A};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(dest.GetColor(x, 0), expect[x]) << x;
  // Hanging off the left edge: the first source column is clipped away.
  PixelBuffer dest2 = Filled(2, 1, D);
  CopyKeyed(dest2, -1, 0, source, {0, 0, 2, 0}, K);
  EXPECT_EQ(dest2.GetColor(0, 0), D);
  EXPECT_EQ(dest2.GetColor(1, 0), A);
}

TEST(CopyKeyedOverBackground, KeyPixelsShowWhatLiesBehind) {
  // Source row: key, image, key, image; destination 4 x 2.
  PixelBuffer source = Filled(4, 1, A);
  source.SetColor(0, 0, K);
  source.SetColor(2, 0, K);
  PixelBuffer background = NumberedBackground(4, 2);
  PixelBuffer background32 = NumberedBackground(4, 2, PixelFormat::Bgra32);
  PixelBuffer flat = NumberedBackground(4, 1);  // too low for an accessor

  struct Case {
    const char* what;
    BackgroundInfo bg;
    bool fill;
    TColor expect[4];
    bool ontoBackground = false;
  };
  const Case cases[] = {
      {"colour, fill off", ColorBackground(C), false, {C, A, C, A}},
      {"colour, fill on", ColorBackground(C), true, {C, A, C, A}},
      {"system colour is converted", ColorBackground(0xFF00000F), false,
       {SystemColor(15), A, SystemColor(15), A}},
      {"bitmap, fill on", BitmapBackground(background), true, {Bg(0, 0), A, Bg(2, 0), A}},
      {"bitmap, fill off", BitmapBackground(background), false, {D, A, D, A}},
      {"bitmap offset", BitmapBackground(background, 1, 1), true, {Bg(1, 1), A, Bg(3, 1), A}},
      {"negative background column", BitmapBackground(background, -1, 0), true,
       {D, A, Bg(1, 0), A}},
      {"column past the right edge: image pixels after it still drawn",
       BitmapBackground(background, 2, 0), true, {Bg(2, 0), A, D, A}},
      {"row past the bottom", BitmapBackground(background, 0, 2), true, {D, A, D, A}},
      {"row above the top", BitmapBackground(background, 0, -1), true, {D, A, D, A}},
      {"32-bit background", BitmapBackground(background32), true, {Bg(0, 0), A, Bg(2, 0), A}},
      {"background an accessor refuses", BitmapBackground(flat), true, {D, A, D, A}},
      {"bitmap flag without a bitmap", {nullptr, 0, 0, C, true}, true, {D, A, D, A}},
      {"destination is the background", {}, true, {D, A, D, A}, true},
  };
  for (const Case& c : cases) {
    PixelBuffer dest = Filled(4, 2, D);
    const BackgroundInfo bg = c.ontoBackground ? BitmapBackground(dest) : c.bg;
    CopyKeyedOverBackground(dest, 0, 0, source, {0, 0, 3, 0}, K, c.fill, bg);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dest.GetColor(x, 0), c.expect[x]) << c.what << " x=" << x;
    EXPECT_EQ(RowOf(dest, 1), RowOf(Filled(4, 1, D), 0)) << c.what;
  }
}

TEST(CopyKeyedOverBackground, ExtremeOffsetsAndRectanglesStayInside) {
  PixelBuffer source = Filled(3, 3, K);
  PixelBuffer background = NumberedBackground(3, 3);
  PixelBuffer dest = Filled(3, 3, D);
  const int extremes[] = {INT_MIN, -1, 0, 1, INT_MAX};
  for (int off : extremes)
    for (int at : extremes) {
      BackgroundInfo bg = BitmapBackground(background, off, at);
      CopyKeyedOverBackground(dest, at, off, source, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, K,
                              true, bg);
      CopyKeyed(dest, at, at, source, {0, 0, INT_MAX, INT_MAX}, K);
    }
  SUCCEED();  // the sanitizers watch every access
}

}  // namespace
}  // namespace folvane
