#include "paint/Blends.h"

#include <gtest/gtest.h>

#include "paint/PaintColor.h"
#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

using test::Filled;

constexpr TColor Grey(int v) { return static_cast<TColor>(v) * 0x010101u; }

TEST(BlendRectWithColor, TableOfPercentsTiesAndInclusiveEdges) {
  const struct {
    const char* what;
    PixelRect rect;
    int percent;
    int image, colour;
    PixelPoint probe;
    int expect;
  } cases[] = {
      {"100 keeps the image", {0, 0, 3, 2}, 100, 90, 10, {1, 1}, 90},
      {"0 gives the colour", {0, 0, 3, 2}, 0, 90, 10, {1, 1}, 10},
      {"tie 0.5 goes to even 0", {0, 0, 3, 2}, 50, 1, 0, {0, 0}, 0},
      {"tie 1.5 goes to even 2", {0, 0, 3, 2}, 50, 3, 0, {0, 0}, 2},
      {"tie 127.5 goes to 128", {0, 0, 3, 2}, 50, 255, 0, {2, 1}, 128},
      {"right and bottom are inclusive", {0, 0, 1, 0}, 0, 90, 10, {1, 0}, 10},
      {"... and no further", {0, 0, 1, 0}, 0, 90, 10, {2, 0}, 90},
      {"... nor below", {0, 0, 1, 0}, 0, 90, 10, {0, 1}, 90},
      {"W x H rectangle covers the last pixel", {0, 0, 3, 2}, 0, 90, 10, {2, 1}, 10},
      {"over 100 is 100", {0, 0, 3, 2}, 250, 90, 10, {1, 1}, 90},
      {"below 0 is 0", {0, 0, 3, 2}, -40, 90, 10, {1, 1}, 10},
      {"inverted rectangle paints nothing", {2, 1, 0, 0}, 0, 90, 10, {1, 0}, 90},
  };
  for (const auto& c : cases) {
    PixelBuffer b = Filled(3, 2, Grey(c.image));
    BlendRectWithColor(b, c.rect, c.percent, Grey(c.colour));
    EXPECT_EQ(b.GetColor(c.probe.X, c.probe.Y), Grey(c.expect)) << c.what;
  }
}

TEST(BlendRectWithColor, ConvertsSystemColours) {
  PixelBuffer b = Filled(2, 2, 0);
  BlendRectWithColor(b, {0, 0, 2, 2}, 0, 0xFF00000F);
  EXPECT_EQ(b.GetColor(1, 1), SystemColor(15));
}

TEST(BlendKeyedRect, SkipsTheKeyUnlessTheKeyIsNone) {
  PixelBuffer source = Filled(3, 3, Grey(100));
  source.SetColor(1, 1, KeyColor);
  for (TColor key : {KeyColor, TColor{0xFF000000}, TColor{0xFFFFFFFF}}) {
    PixelBuffer dest = Filled(3, 3, Grey(51));
    BlendKeyedRect(dest, 0, 0, source, {0, 0, 2, 2}, key, 0.5);
    // (100 + 51) / 2 = 75.5: to even, 76.
    EXPECT_EQ(dest.GetColor(0, 0), Grey(76));
    EXPECT_EQ(dest.GetColor(2, 2), Grey(76));  // inclusive source rectangle
    // A key pixel: skipped, or with no key blended like any other:
    // blue and red (255 + 51) / 2 = 153, green (0 + 51) / 2 = 25.5 -> 26.
    EXPECT_EQ(dest.GetColor(1, 1), key == KeyColor ? Grey(51) : TColor{0x991A99});
  }
}

TEST(BlendKeyedRect, KeepsTheDestinationShareAndClips) {
  PixelBuffer source = Filled(4, 4, Grey(0));
  PixelBuffer dest = Filled(3, 3, Grey(255));
  // Source (0..3) onto destination (-2..1): only destination 0..1 changes.
  BlendKeyedRect(dest, -2, -2, source, {0, 0, 3, 3}, KeyColor, 0.4);
  EXPECT_EQ(dest.GetColor(0, 0), Grey(102));  // 0 - 0.4 * (0 - 255)
  EXPECT_EQ(dest.GetColor(1, 1), Grey(102));
  EXPECT_EQ(dest.GetColor(2, 2), Grey(255));
  // Source rectangle partly outside the source, factor beyond 1.
  BlendKeyedRect(dest, 0, 0, source, {-5, -5, 10, 10}, KeyColor, 3.0);
  EXPECT_EQ(dest.GetColor(2, 2), Grey(255));  // keep clamped to 1
  // A 32-bit source reads blue, green, red.
  PixelBuffer source32 = Filled(2, 2, 0x0000FF, PixelFormat::Bgra32);
  BlendKeyedRect(dest, 0, 0, source32, {0, 0, 0, 0}, KeyColor, 0.0);
  EXPECT_EQ(dest.GetColor(0, 0), 0x0000FFu);
}

TEST(BlendWithColorKeyed, BlendsAllButKeyPixels) {
  PixelBuffer b = Filled(2, 1, Grey(200));
  b.SetColor(1, 0, KeyColor);
  BlendWithColorKeyed(b, Grey(100), KeyColor, 0.4);
  EXPECT_EQ(b.GetColor(0, 0), Grey(140));  // 0.4 * (200 - 100) + 100
  EXPECT_EQ(b.GetColor(1, 0), KeyColor);
}

TEST(BlendColorThroughMask, WhiteKeepsBlackGivesColourSizesMustMatch) {
  PixelBuffer image = Filled(3, 1, Grey(200));
  PixelBuffer mask = Filled(3, 1, 0);
  mask.SetColor(0, 0, 0xFFFFFF);
  mask.SetColor(2, 0, Grey(128));
  BlendColorThroughMask(image, mask, 0x0000FF);
  // m = 255: x - (x - c) / 256 rounded down: red 200.2, green and blue 199.2.
  EXPECT_EQ(image.GetColor(0, 0), RgbColor(200, 199, 199));
  EXPECT_EQ(image.GetColor(1, 0), 0x0000FFu);
  // m = 128: (200 * 128 + c * 128) >> 8 = (200 + c) / 2 rounded down.
  EXPECT_EQ(image.GetColor(2, 0), RgbColor(227, 100, 100));

  PixelBuffer other = Filled(3, 2, 0);
  PixelBuffer untouched = Filled(3, 1, Grey(200));
  BlendColorThroughMask(untouched, other, 0);
  EXPECT_EQ(untouched.GetColor(1, 0), Grey(200));
}

TEST(BlendBitmapRect, TransparencyFiftyOverABitmap) {
  // Factor 50 * 255 div 100 = 127: (background * 127 + content * 128 + 127)
  // div 256, the background being the destination.
  PixelBuffer background = Filled(4, 4, Grey(10));
  PixelBuffer content = Filled(4, 4, Grey(201));
  BlendBitmaps(background, content, 50 * 255 / 100);
  EXPECT_EQ(background.GetColor(3, 3), Grey((10 * 127 + 201 * 128 + 127) / 256));
}

TEST(BlendBitmapRect, NegativePointMovesTheSourceRectangle) {
  PixelBuffer dest = Filled(3, 3, Grey(0));
  PixelBuffer source = Filled(3, 3, Grey(0));
  source.SetColor(1, 1, Grey(255));
  BlendBitmapRect(dest, source, -7, {-1, -1}, {0, 0, 3, 3});  // factor kept to 0
  EXPECT_EQ(dest.GetColor(0, 0), Grey(254));  // source (1, 1)
  EXPECT_EQ(dest.GetColor(2, 2), Grey(0));
  BlendBitmaps(dest, Filled(2, 3, Grey(255)), 0);  // sizes differ: nothing
  EXPECT_EQ(dest.GetColor(1, 1), Grey(0));
}

TEST(MergeToBitmap32, MixesByMaskOrConstantAndLeavesTheFourthByte) {
  PixelBuffer a = Filled(2, 2, Grey(200));
  PixelBuffer b = Filled(2, 2, Grey(100));
  PixelBuffer out = Filled(2, 2, 0, PixelFormat::Bgra32);
  out.Fill(0, 0x5A);
  MergeToBitmap32(out, a, b, 0);
  EXPECT_EQ(out.GetColor(1, 1), Grey(100));
  EXPECT_EQ(out.Pixel(1, 1)[3], 0x5A);
  MergeToBitmap32(out, a, b, 128);
  EXPECT_EQ(out.GetColor(0, 0), Grey(150));
  PixelBuffer mask = Filled(2, 2, 0xFFFFFF);
  MergeToBitmap32(out, a, b, mask);
  EXPECT_EQ(out.GetColor(0, 1), Grey(199));
  EXPECT_EQ(out.Pixel(0, 1)[3], 0x5A);

  PixelBuffer c = Filled(3, 2, 0);
  out.Fill(0x123456, 0);
  MergeToBitmap32(out, a, c, 0);  // unequal inputs: nothing
  EXPECT_EQ(out.GetColor(0, 0), 0x123456u);
}

}  // namespace
}  // namespace folvane
