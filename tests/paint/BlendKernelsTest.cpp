// The vectorised row kernels against their scalar references, on random
// rows of every length up to a few vectors and at every alignment, folded
// into one checksum per kernel (the checksum is fixed: it must come out the
// same in every build, natively and on Windows).

#include "paint/BlendKernels.h"

#include "paint/ScanlineAccess.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "paint/PaintColor.h"
#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

using test::ByteSource;
using test::Checksum;

constexpr int kRounds = 400;
constexpr std::size_t kMaxPixels = 70;  // a few 48-byte blocks plus tails

struct Rows {
  std::vector<std::uint8_t> x, y, m;
  std::size_t offset, pixels;
};

Rows RandomRows(ByteSource& rnd) {
  Rows r;
  r.offset = rnd.Below(16);
  r.pixels = rnd.Below(kMaxPixels + 1);
  const std::size_t n = r.offset + 3 * r.pixels;
  r.x.resize(n);
  r.y.resize(n);
  r.m.resize(n);
  rnd.Fill(r.x.data(), n);
  rnd.Fill(r.y.data(), n);
  rnd.Fill(r.m.data(), n);
  // The extremes are where a wrong shift or a lost carry shows.
  for (std::size_t i = 0; i < n; ++i) {
    if (rnd.Below(8) == 0) r.m[i] = rnd.Below(2) ? 255 : 0;
    if (rnd.Below(8) == 0) r.x[i] = 255;
  }
  return r;
}

// Runs `vector` and `scalar` on copies of the same rows; both must agree.
template <typename Run>
std::uint32_t CompareOnRandomRows(std::uint32_t seed, Run run) {
  ByteSource rnd(seed);
  Checksum sum;
  for (int round = 0; round < kRounds; ++round) {
    Rows a = RandomRows(rnd);
    Rows b = a;
    const std::uint8_t param = rnd.Byte();
    run(a, param, true);
    run(b, param, false);
    EXPECT_EQ(a.x, b.x) << "round " << round;
    sum.Add(a.x.data(), a.x.size());
  }
  return sum.Value();
}

TEST(BlendKernels, ConstantBlendMatchesReference) {
  const std::uint32_t sum = CompareOnRandomRows(1, [](Rows& r, std::uint8_t a, bool fast) {
    auto* x = r.x.data() + r.offset;
    const auto* y = r.y.data() + r.offset;
    (fast ? kernels::ConstantBlendRow : kernels::ConstantBlendRowScalar)(x, y, 3 * r.pixels, a);
  });
  EXPECT_EQ(sum, 0x9D396012u);
}

TEST(BlendKernels, MaskBlendMatchesReference) {
  const std::uint32_t sum = CompareOnRandomRows(2, [](Rows& r, std::uint8_t, bool fast) {
    auto* x = r.x.data() + r.offset;
    (fast ? kernels::MaskBlendRow : kernels::MaskBlendRowScalar)(
        x, x, r.y.data() + r.offset, r.m.data() + r.offset, 3 * r.pixels);
  });
  EXPECT_EQ(sum, 0xE079F72Fu);
}

TEST(BlendKernels, ConstantMaskBlendMatchesReference) {
  const std::uint32_t sum = CompareOnRandomRows(3, [](Rows& r, std::uint8_t m, bool fast) {
    auto* x = r.x.data() + r.offset;
    (fast ? kernels::MaskBlendConstRow : kernels::MaskBlendConstRowScalar)(
        x, x, r.y.data() + r.offset, m, 3 * r.pixels);
  });
  EXPECT_EQ(sum, 0xF583C590u);
}

TEST(BlendKernels, ColourThroughMaskMatchesReference) {
  const std::uint32_t sum = CompareOnRandomRows(4, [](Rows& r, std::uint8_t c, bool fast) {
    const TColor color = RgbColor(c, static_cast<std::uint8_t>(255 - c), r.y[0]);
    (fast ? kernels::ColorThroughMaskRow : kernels::ColorThroughMaskRowScalar)(
        r.x.data() + r.offset, r.m.data() + r.offset, r.pixels, color);
  });
  EXPECT_EQ(sum, 0x4A38E50Fu);
}

TEST(BlendKernels, KeyedMaskBlendMatchesReference) {
  const std::uint32_t sum = CompareOnRandomRows(5, [](Rows& r, std::uint8_t k, bool fast) {
    // Sprinkle key pixels (and near misses) into the image row; which ones
    // depends on the parameter byte, the same for both runs.
    std::uint8_t* y = r.y.data() + r.offset;
    for (std::size_t p = 0; p < r.pixels; ++p) {
      const unsigned pick = (p * 7 + k) % 11;
      if (pick == 0) PutColor(y + 3 * p, KeyColor);
      if (pick == 1) PutColor(y + 3 * p, KeyColor ^ 0x000100);
    }
    (fast ? kernels::MaskBlendKeyedRow : kernels::MaskBlendKeyedRowScalar)(
        r.x.data() + r.offset, y, r.m.data() + r.offset, r.pixels, KeyColor);
  });
  EXPECT_EQ(sum, 0x92FCBEB7u);
}

TEST(BlendKernels, FastSumOverRandomBitmapsAndRectanglesMatchesReference) {
  ByteSource rnd(6);
  Checksum sum;
  for (int round = 0; round < 60; ++round) {
    const int w = 2 + static_cast<int>(rnd.Below(40)), h = 2 + static_cast<int>(rnd.Below(9));
    PixelBuffer source(w, h, PixelFormat::Bgr24);
    PixelBuffer fast(2 + static_cast<int>(rnd.Below(40)), h, PixelFormat::Bgr24);
    rnd.Fill(source);
    rnd.Fill(fast);
    PixelBuffer reference = fast.Clone();
    auto coordinate = [&rnd](int size) { return static_cast<int>(rnd.Below(size + 8)) - 4; };
    const PixelRect dest{coordinate(fast.Width()), coordinate(h), coordinate(fast.Width()) + 8,
                         coordinate(h) + 4};
    const PixelRect src{coordinate(w), coordinate(h), coordinate(w) + 40, coordinate(h) + 9};
    const std::uint8_t a = rnd.Byte();
    for (PixelBuffer* target : {&fast, &reference}) {
      TvtFastSum24 blend;
      ASSERT_TRUE(blend.Attach(&source, target));
      blend.Factor = a;
      blend.DestRect = dest;
      blend.SourceRect = src;
      target == &fast ? blend.Blend() : blend.BlendScalar();
    }
    EXPECT_TRUE(test::SamePixels(fast, reference)) << "round " << round;
    sum.Add(fast);
  }
  EXPECT_EQ(sum.Value(), 0xD1D68606u);
}

TEST(BlendKernels, MaskShapeEnds) {
  // m = 0 gives y exactly; m = 255 gives x - (x - y) / 256 rounded down.
  const std::uint8_t x[] = {255, 0, 200, 7};
  const std::uint8_t y[] = {0, 255, 100, 7};
  std::uint8_t out[4];
  kernels::MaskBlendConstRowScalar(out, x, y, 0, 4);
  EXPECT_EQ(std::memcmp(out, y, 4), 0);
  kernels::MaskBlendConstRowScalar(out, x, y, 255, 4);
  const std::uint8_t at255[] = {254, 0, 199, 7};
  EXPECT_EQ(std::memcmp(out, at255, 4), 0);
}

}  // namespace
}  // namespace folvane
