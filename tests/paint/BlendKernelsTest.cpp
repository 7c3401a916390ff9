// The vectorised row kernels of every instruction set this processor runs
// against their scalar references, on random rows of every length up to a
// few vectors and at every alignment, folded into one checksum per kernel
// (the checksum is fixed: it must come out the same for every instruction
// set and in every build, natively and on Windows).

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
constexpr std::size_t kMaxPixels = 140;  // a few of the widest blocks plus tails

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

// Runs a kernel of `set` and of the scalar reference on copies of the same
// rows; both must agree.
template <typename Run>
std::uint32_t CompareOnRandomRows(std::uint32_t seed, const kernels::RowKernelSet& set,
                                  Run run) {
  const kernels::RowKernelSet& scalar = *kernels::KernelsAt(kernels::VectorLevel::Scalar);
  ByteSource rnd(seed);
  Checksum sum;
  for (int round = 0; round < kRounds; ++round) {
    Rows a = RandomRows(rnd);
    Rows b = a;
    const std::uint8_t param = rnd.Byte();
    run(a, param, set);
    run(b, param, scalar);
    EXPECT_EQ(a.x, b.x) << "round " << round;
    sum.Add(a.x.data(), a.x.size());
  }
  return sum.Value();
}

class BlendKernels : public testing::TestWithParam<kernels::VectorLevel> {
 protected:
  void SetUp() override {
    set_ = kernels::KernelsAt(GetParam());
    if (!set_) GTEST_SKIP() << "this processor or build has no " << Name();
  }
  const char* Name() const { return kernels::VectorLevelName(GetParam()); }
  const kernels::RowKernelSet& Set() const { return *set_; }

 private:
  const kernels::RowKernelSet* set_ = nullptr;
};

INSTANTIATE_TEST_SUITE_P(EveryInstructionSet, BlendKernels,
                         testing::Values(kernels::VectorLevel::Sse2,
                                         kernels::VectorLevel::Avx2),
                         [](const auto& info) { return kernels::VectorLevelName(info.param); });

TEST_P(BlendKernels, ConstantBlendMatchesReference) {
  const std::uint32_t sum =
      CompareOnRandomRows(1, Set(), [](Rows& r, std::uint8_t a, const auto& k) {
        k.constantBlend(r.x.data() + r.offset, r.y.data() + r.offset, 3 * r.pixels, a);
      });
  EXPECT_EQ(sum, 0x9BE6812Du);
}

TEST_P(BlendKernels, MaskBlendMatchesReference) {
  const std::uint32_t sum =
      CompareOnRandomRows(2, Set(), [](Rows& r, std::uint8_t, const auto& k) {
        auto* x = r.x.data() + r.offset;
        k.maskBlend(x, x, r.y.data() + r.offset, r.m.data() + r.offset, 3 * r.pixels);
      });
  EXPECT_EQ(sum, 0xF013DA7Fu);
}

TEST_P(BlendKernels, ConstantMaskBlendMatchesReference) {
  const std::uint32_t sum =
      CompareOnRandomRows(3, Set(), [](Rows& r, std::uint8_t m, const auto& k) {
        auto* x = r.x.data() + r.offset;
        k.maskBlendConst(x, x, r.y.data() + r.offset, m, 3 * r.pixels);
      });
  EXPECT_EQ(sum, 0xE824155Eu);
}

TEST_P(BlendKernels, ColourThroughMaskMatchesReference) {
  const std::uint32_t sum =
      CompareOnRandomRows(4, Set(), [](Rows& r, std::uint8_t c, const auto& k) {
        const TColor color =
            RgbColor(c, static_cast<std::uint8_t>(255 - c), static_cast<std::uint8_t>(c ^ 0x5A));
        k.colorThroughMask(r.x.data() + r.offset, r.m.data() + r.offset, r.pixels, color);
      });
  EXPECT_EQ(sum, 0xF7C49079u);
}

TEST_P(BlendKernels, KeyedMaskBlendMatchesReference) {
  const std::uint32_t sum =
      CompareOnRandomRows(5, Set(), [](Rows& r, std::uint8_t k, const auto& set) {
        // Sprinkle key pixels and near misses, one byte off, into the image
        // row; which ones depends on the parameter byte, the same for both
        // runs. Blue or red off keeps two of the key's bytes side by side.
        std::uint8_t* y = r.y.data() + r.offset;
        const TColor nearMisses[] = {KeyColor ^ 0x000100, KeyColor ^ 0x000001,
                                     KeyColor ^ 0x010000};
        for (std::size_t p = 0; p < r.pixels; ++p) {
          const unsigned pick = (p * 7 + k) % 11;
          if (pick == 0) PutColor(y + 3 * p, KeyColor);
          if (pick >= 1 && pick <= 3) PutColor(y + 3 * p, nearMisses[pick - 1]);
        }
        set.maskBlendKeyed(r.x.data() + r.offset, y, r.m.data() + r.offset, r.pixels,
                           KeyColor);
      });
  EXPECT_EQ(sum, 0x2610C039u);
}

TEST_P(BlendKernels, KeyedMaskBlendFindsALoneKeyPixelAnywhereInABlock) {
  // One key pixel at each position of two of the widest blocks in turn:
  // one straddling the vectors' or the 64-bit words' boundaries shows a
  // misplaced bit.
  constexpr std::size_t kPixels = 128;
  for (std::size_t at = 0; at < kPixels; ++at) {
    std::vector<std::uint8_t> x(3 * kPixels, 10), y(3 * kPixels, 200), m(3 * kPixels, 0);
    PutColor(y.data() + 3 * at, KeyColor);
    Set().maskBlendKeyed(x.data(), y.data(), m.data(), kPixels, KeyColor);
    for (std::size_t p = 0; p < kPixels; ++p)
      EXPECT_EQ(x[3 * p], p == at ? 10 : 200) << "key at " << at << ", pixel " << p;
  }
}

TEST(FastSum24, OverRandomBitmapsAndRectanglesMatchesReference) {
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

TEST(MaskShape, Ends) {
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
