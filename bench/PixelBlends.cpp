// The blends every skinned pixel goes through, over a full-HD 24-bit
// bitmap, against memcpy of the same bytes. Prints each one's time as a
// multiple of memcpy's at the end of the run (goal: within 3x).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "paint/BlendKernels.h"
#include "paint/Blends.h"
#include "paint/PaintColor.h"
#include "paint/ScanlineAccess.h"

namespace {

using folvane::PixelBuffer;
using folvane::PixelFormat;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

PixelBuffer RandomBitmap(unsigned seed) {
  PixelBuffer b(kWidth, kHeight, PixelFormat::Bgr24);
  std::mt19937 engine(seed);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth * 3; ++x) b.Row(y)[x] = static_cast<std::uint8_t>(engine());
  return b;
}

struct Buffers {
  PixelBuffer dest = RandomBitmap(1);
  PixelBuffer image = RandomBitmap(2);
  PixelBuffer mask = RandomBitmap(3);
  std::size_t Bytes() const { return static_cast<std::size_t>(dest.Stride()) * kHeight; }
};

Buffers& Shared() {
  static Buffers buffers;
  return buffers;
}

void Finish(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Shared().Bytes()));
}

void Memcpy(benchmark::State& state) {
  Buffers& b = Shared();
  for (auto _ : state) {
    std::memcpy(b.dest.Row(0), b.image.Row(0), b.Bytes());
    benchmark::ClobberMemory();
  }
  Finish(state);
}

template <bool Vector>
void ConstantBlend(benchmark::State& state) {
  Buffers& b = Shared();
  for (auto _ : state) {
    folvane::TvtFastSum24 sum;
    sum.Attach(&b.image, &b.dest);
    sum.Factor = 127;
    Vector ? sum.Blend() : sum.BlendScalar();
    benchmark::ClobberMemory();
  }
  Finish(state);
}

// The transparency-mask rule of border and glyph painting: image over the
// existing pixels through a mask, key pixels of the image skipped.
template <bool Vector>
void MaskBlend(benchmark::State& state) {
  Buffers& b = Shared();
  auto row = Vector ? folvane::kernels::MaskBlendKeyedRow
                    : folvane::kernels::MaskBlendKeyedRowScalar;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      row(b.dest.Row(y), b.image.Row(y), b.mask.Row(y), kWidth, folvane::KeyColor);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void ColorThroughMask(benchmark::State& state) {
  Buffers& b = Shared();
  for (auto _ : state) {
    folvane::BlendColorThroughMask(b.dest, b.mask, 0x336699);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

BENCHMARK(Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(ConstantBlend<true>)->Name("ConstantBlend (TvtFastSum24)")->Unit(benchmark::kMicrosecond);
BENCHMARK(ConstantBlend<false>)->Name("ConstantBlend scalar reference")->Unit(benchmark::kMicrosecond);
BENCHMARK(MaskBlend<true>)->Name("MaskBlend keyed")->Unit(benchmark::kMicrosecond);
BENCHMARK(MaskBlend<false>)->Name("MaskBlend keyed scalar reference")->Unit(benchmark::kMicrosecond);
BENCHMARK(ColorThroughMask)->Name("BlendColorThroughMask")->Unit(benchmark::kMicrosecond);

// Shows the normal console output and remembers each benchmark's time.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void PrintRatios() const {
    const auto base = times_.find("Memcpy");
    if (base == times_.end() || base->second <= 0) return;
    std::printf("\nTime as a multiple of memcpy of the same %d x %d x 3 bytes:\n", kWidth,
                kHeight);
    for (const auto& [name, time] : times_)
      if (name != "Memcpy") std::printf("  %-36s %6.2fx\n", name.c_str(), time / base->second);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
