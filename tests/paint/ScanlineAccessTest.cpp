#include "paint/ScanlineAccess.h"

#include <gtest/gtest.h>

#include <vector>

#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

using test::Filled;

TEST(ScanlineAccess, AttachRefusesBitmapsBelowTwoByTwoAndOtherFormats) {
  const struct { int w, h; PixelFormat f; bool fast24, fast32; } cases[] = {
      {2, 2, PixelFormat::Bgr24, true, false},
      {1, 5, PixelFormat::Bgr24, false, false},
      {5, 1, PixelFormat::Bgr24, false, false},
      {0, 0, PixelFormat::Bgr24, false, false},
      {3, 3, PixelFormat::Bgra32, false, true},
      {1, 3, PixelFormat::Bgra32, false, false}};
  for (const auto& c : cases) {
    PixelBuffer b(c.w, c.h, c.f);
    TvtFast24 a24;
    TvtFast32 a32;
    EXPECT_EQ(a24.Attach(&b), c.fast24) << c.w << "x" << c.h;
    EXPECT_EQ(a32.Attach(&b), c.fast32) << c.w << "x" << c.h;
    if (!c.fast24) {
      EXPECT_EQ(a24.Width, 0);
    }
  }
  TvtFast24 none;
  EXPECT_FALSE(none.Attach(static_cast<PixelBuffer*>(nullptr)));
}

TEST(ScanlineAccess, BottomUpMemoryGivesANegativeRowDelta) {
  // Two rows of two pixels, stored bottom-up with 8-byte rows.
  std::vector<std::uint8_t> mem = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  PixelBuffer b = PixelBuffer::Borrow(mem.data() + 8, 2, 2, PixelFormat::Bgr24, -8);
  TvtFast24 a;
  ASSERT_TRUE(a.Attach(&b));
  EXPECT_EQ(a.RowDelta, -8);
  EXPECT_EQ(a.Pixel(0, 0), 0x070809u);
  EXPECT_EQ(a.Pixel(1, 1), 0x040506u);

  PixelBuffer b32 = Filled(2, 2, 0x112233, PixelFormat::Bgra32);
  TvtFast32 a32;
  ASSERT_TRUE(a32.Attach(&b32));
  EXPECT_EQ(a32.Pixel(1, 1) & 0xFFFFFF, 0x112233u);
}

// destination = (destination * A + source * (255 - A) + 127) div 256.
TEST(ScanlineAccess, FastSumBlendFollowsTheConstantShape) {
  const struct { std::uint8_t dest, source, a, out; } cases[] = {
      {255, 255, 255, 254},  // the 255/255 pair does not stay 255
      {255, 255, 0, 254},
      {0, 200, 0, 199},
      {200, 0, 255, 199},
      {0, 0, 128, 0},
      {10, 20, 127, 15},     // (1270 + 2560 + 127) / 256 = 15.45
      {100, 101, 128, 100},  // (12800 + 12827 + 127) / 256 = 100.6
  };
  for (const auto& c : cases) {
    PixelBuffer dest = Filled(3, 2, c.dest * 0x010101u);
    PixelBuffer source = Filled(3, 2, c.source * 0x010101u);
    TvtFastSum24 sum;
    ASSERT_TRUE(sum.Attach(&source, &dest));
    sum.Factor = c.a;
    sum.Blend();
    EXPECT_EQ(dest.GetColor(2, 1), c.out * 0x010101u)
        << int(c.dest) << " " << int(c.source) << " " << int(c.a);
  }
}

TEST(ScanlineAccess, FastSumBlendStaysInsideBothBitmaps) {
  PixelBuffer dest = Filled(4, 4, 0x000000);
  PixelBuffer source = Filled(3, 3, 0xFFFFFF);
  TvtFastSum24 sum;
  ASSERT_TRUE(sum.Attach(&source, &dest));
  EXPECT_EQ(sum.Width, 3);
  sum.Factor = 0;
  sum.DestRect = {2, 2, 100, 100};      // runs past the destination
  sum.SourceRect = {-1, -1, 100, 100};  // starts before the source
  sum.Blend();
  // Destination (2, 2) would take source (-1, -1): clipped away; (3, 3) takes
  // source (0, 0).
  EXPECT_EQ(dest.GetColor(2, 2), 0u);
  EXPECT_EQ(dest.GetColor(3, 3), 0xFEFEFEu);
  EXPECT_EQ(dest.GetColor(1, 1), 0u);
  sum.DestRect = {3, 3, 2, 2};  // inverted: nothing
  sum.Blend();
  PixelBuffer tiny(1, 4, PixelFormat::Bgr24);
  EXPECT_FALSE(sum.Attach(&tiny, &dest));
  sum.Blend();  // detached: nothing, no crash
}

}  // namespace
}  // namespace folvane
