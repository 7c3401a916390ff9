#include "runtime/PixelBuffer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using folvane::PixelBuffer;
using folvane::PixelFormat;

TEST(PixelBuffer, OwningRowsAreAlignedAndColoursRoundTrip) {
  for (auto format : {PixelFormat::Bgr24, PixelFormat::Bgra32}) {
    PixelBuffer b(5, 3, format);
    EXPECT_EQ(b.Stride() % 4, 0);
    EXPECT_GE(b.Stride(), 5 * b.BytesPerPixel());
    b.SetColor(4, 2, 0x123456);
    EXPECT_EQ(b.GetColor(4, 2), 0x123456u);
    EXPECT_EQ(b.Pixel(4, 2)[0], 0x12);  // blue first in memory
    EXPECT_EQ(b.Pixel(4, 2)[2], 0x56);
    b.SetColor(5, 0, 0xFFFFFF);  // outside: ignored
    EXPECT_EQ(b.GetColor(5, 0), 0u);
  }
}

TEST(PixelBuffer, BorrowedBottomUpMemoryIsWalkedTopDown) {
  // Two lines of 1 pixel stored bottom-up, as a DIB section keeps them.
  std::vector<std::uint8_t> mem = {1, 2, 3, 0, 4, 5, 6, 0};
  PixelBuffer b = PixelBuffer::Borrow(mem.data() + 4, 1, 2, PixelFormat::Bgr24, -4);
  EXPECT_FALSE(b.Owns());
  EXPECT_EQ(b.GetColor(0, 0), 0x040506u);
  EXPECT_EQ(b.GetColor(0, 1), 0x010203u);
  PixelBuffer copy = b.Clone();
  EXPECT_TRUE(copy.Owns());
  EXPECT_GT(copy.Stride(), 0);
  EXPECT_EQ(copy.GetColor(0, 1), 0x010203u);
}

TEST(PixelBuffer, RefusesSizesNoPictureCanHave) {
  EXPECT_THROW(PixelBuffer(-1, 4, PixelFormat::Bgr24), std::length_error);
  EXPECT_THROW(PixelBuffer(40000, 1, PixelFormat::Bgr24), std::length_error);
  EXPECT_THROW(PixelBuffer(30000, 30000, PixelFormat::Bgra32), std::length_error);
  EXPECT_TRUE(PixelBuffer(0, 0, PixelFormat::Bgr24).Empty());
}
