// The blends every skinned pixel goes through, over a full-HD 24-bit
// bitmap, against memcpy of the same bytes. Prints each one's time as a
// multiple of memcpy's at the end of the run (goal: within 3x).

#include <benchmark/benchmark.h>

#include <algorithm>
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

// Each bitmap starts at its own distance from a page boundary, as bitmaps
// made one after another do; equal offsets make loads from one and stores
// to another look alike to the processor (4K aliasing) and slow both.
PixelBuffer RandomBitmap(unsigned seed) {
  static std::vector<std::vector<std::uint8_t>> memory;
  const std::ptrdiff_t stride = PixelBuffer::AlignedStride(kWidth, PixelFormat::Bgr24);
  memory.emplace_back(static_cast<std::size_t>(stride) * kHeight + 4096);
  std::uint8_t* first = memory.back().data() + 1024 * (seed % 4) + 64;
  PixelBuffer b = PixelBuffer::Borrow(first, kWidth, kHeight, PixelFormat::Bgr24, stride);
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

// The default entry: TvtFastSum24 over the whole bitmap, on the widest
// instruction set the processor has.
void ConstantBlend(benchmark::State& state) {
  Buffers& b = Shared();
  for (auto _ : state) {
    folvane::TvtFastSum24 sum;
    sum.Attach(&b.image, &b.dest);
    sum.Factor = 127;
    sum.Blend();
    benchmark::ClobberMemory();
  }
  Finish(state);
}

// One instruction set's constant blend, row by row.
void ConstantBlendAt(benchmark::State& state, const folvane::kernels::RowKernelSet* set) {
  Buffers& b = Shared();
  const std::size_t bytes = static_cast<std::size_t>(kWidth) * 3;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y) set->constantBlend(b.dest.Row(y), b.image.Row(y), bytes, 127);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

// The transparency-mask rule of border and glyph painting: image over the
// existing pixels through a mask, key pixels of the image skipped.
void MaskBlendKeyedAt(benchmark::State& state, const folvane::kernels::RowKernelSet* set) {
  Buffers& b = Shared();
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      set->maskBlendKeyed(b.dest.Row(y), b.image.Row(y), b.mask.Row(y), kWidth,
                          folvane::KeyColor);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

// What reading two rows and writing one costs without any arithmetic: the
// floor under every two-input blend.
void ReadTwoWriteOne(benchmark::State& state) {
  Buffers& b = Shared();
  const std::size_t bytes = static_cast<std::size_t>(kWidth) * 3;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y) {
      std::uint8_t* d = b.dest.Row(y);
      const std::uint8_t* s = b.image.Row(y);
      for (std::size_t i = 0; i < bytes; ++i) d[i] |= s[i];
    }
    benchmark::ClobberMemory();
  }
  Finish(state);
}

// The same rule without the key test (on the default instruction set), to
// show what the test costs.
void MaskBlendUnkeyed(benchmark::State& state) {
  Buffers& b = Shared();
  const std::size_t bytes = static_cast<std::size_t>(kWidth) * 3;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      folvane::kernels::MaskBlendRow(b.dest.Row(y), b.dest.Row(y), b.image.Row(y),
                                     b.mask.Row(y), bytes);
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

// Twenty repetitions each, run in random order among all benchmarks (see
// main) so that every one samples the same spells of interference from
// other work on the machine; the ratios use the fastest, which that
// interference can only slow down, never speed up.
void Measured(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(20)->ReportAggregatesOnly(true);
  b->ComputeStatistics("min", [](const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
  });
}

BENCHMARK(Memcpy)->Apply(Measured);
BENCHMARK(ConstantBlend)->Name("ConstantBlend (TvtFastSum24)")->Apply(Measured);
BENCHMARK(MaskBlendUnkeyed)->Name("MaskBlend without key")->Apply(Measured);
BENCHMARK(ReadTwoWriteOne)->Name("Read two, write one (no arithmetic)")->Apply(Measured);
BENCHMARK(ColorThroughMask)->Name("BlendColorThroughMask")->Apply(Measured);

// Shows the normal console output and remembers each benchmark's fastest
// CPU time: CPU time, because other work on the machine stretches
// wall-clock time unevenly from one benchmark to the next.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (single || run.aggregate_name == "min")
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
  }
  void PrintRatios() const {
    const auto base = times_.find("Memcpy");
    if (base == times_.end() || base->second <= 0) return;
    std::printf("\nCPU time as a multiple of memcpy of the same %d x %d x 3 bytes (goal: 3x):\n",
                kWidth, kHeight);
    for (const auto& [name, time] : times_)
      if (name != "Memcpy") std::printf("  %-36s %6.2fx\n", name.c_str(), time / base->second);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

// Each instruction set this processor runs, the scalar reference included.
void RegisterPerInstructionSet() {
  using namespace folvane::kernels;
  for (VectorLevel level : kVectorLevels) {
    const RowKernelSet* set = KernelsAt(level);
    if (!set) continue;
    const std::string name = VectorLevelName(level);
    benchmark::RegisterBenchmark(("ConstantBlend " + name).c_str(), ConstantBlendAt, set)
        ->Apply(Measured);
    benchmark::RegisterBenchmark(("MaskBlend keyed " + name).c_str(), MaskBlendKeyedAt, set)
        ->Apply(Measured);
  }
}

int main(int argc, char** argv) {
  // Repetitions interleaved unless the command line says otherwise.
  std::vector<char*> args(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  RegisterPerInstructionSet();
  std::printf("Default entry points use %s.\n",
              folvane::kernels::VectorLevelName(folvane::kernels::BestVectorLevel()));
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
