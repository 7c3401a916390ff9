// Opening a packed skin and decoding its pictures, and loading the whole
// skin into the skin model (archive, options, references, pictures), next
// to a bare zlib inflate of the same streams: the difference is what the
// archive reader, the decoders and the loader add on top of zlib. The skin is synthetic, shaped like
// the internal one (options text, an 8-bit 288 x 192 button, a 24-bit
// 515 x 100 master bitmap and an 8-bit 429 x 600 corner picture).

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "skin/PictureDecoder.h"
#include "skin/SkinArchive.h"
#include "skin/SkinLoader.h"
#include "skin/TestBmp.h"
#include "skin/vtSkinPack.h"

namespace folvane {
namespace {

// Smooth bands with a little noise, so that pictures compress roughly as
// skin artwork does.
std::vector<std::uint8_t> Picture(int width, int height, unsigned bitCount, std::uint32_t seed) {
  std::mt19937 random(seed);
  test::BmpLayout layout;
  layout.width = width, layout.height = height, layout.bitCount = bitCount;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned level = bitCount <= 8 ? (x / 8 + y / 8) % 200 : (x + y + random() % 4) & 0xFF;
      layout.pixels.push_back(level * 0x010101u ^ ((x / 32) % 2 ? 0xFF00FFu : 0));
    }
  return test::MakeBmp(layout);
}

// GLOBALINFO naming the master bitmap, the two pictures of their own, then
// ordinary sections with a border cut from the master bitmap.
std::vector<std::uint8_t> OptionsText() {
  std::string text =
      "[GLOBALINFO]\r\nVERSION=5.6\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=15790320\r\n"
      "BOXCHECKED=@0000@0000@0030@0010@3@0\r\n"
      "[BUTTON_HUGE]\r\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047\r\n"
      "[FORMTITLE]\r\nIMGTOPLEFT=!TL.BMP!1!1!2\r\n"
      "GRADIENTDATA=16777215;15592941;97;0;0;15592941;15592941;0;0;0\r\n";
  for (int section = 0; text.size() < 14000; ++section) {
    text += "[SECTION" + std::to_string(section) + "]\r\n";
    text += "COLOR=15790320\r\nFONTCOLOR=0\r\nTRANSPARENCY=0\r\nGRADIENTPERCENT=0\r\n";
    text += "BORDERSMASK=^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5^1\r\n";
  }
  return {text.begin(), text.end()};
}

struct SampleSkin {
  std::vector<std::uint8_t> archive;
  std::vector<SkinArchiveEntry> entries;  // with their stream offsets and sizes
};

const SampleSkin& Sample() {
  static const SampleSkin sample = [] {
    SampleSkin s;
    s.archive = PackSkinArchive({{"Options.dat", OptionsText()},
                                 {"ButtonHuge.bmp", Picture(288, 192, 8, 1)},
                                 {"Master.bmp", Picture(515, 100, 24, 2)},
                                 {"tl.bmp", Picture(429, 600, 8, 3)}});
    MemorySource source(s.archive);
    SkinArchiveReader reader(source);
    SkinArchiveEntry entry;
    while (reader.Next(entry)) s.entries.push_back(entry);
    return s;
  }();
  return sample;
}

void OpenSkinAndDecodePictures(benchmark::State& state) {
  const SampleSkin& sample = Sample();
  for (auto _ : state) {
    MemorySource source(sample.archive);
    TvtSkinConvertor reader;
    reader.LendSource(source);
    reader.Parse();
    for (const char* name : {"BUTTONHUGE.BMP", "MASTER.BMP", "TL.BMP"}) {
      const MemoryStream* image = reader.FindImage(name);
      benchmark::DoNotOptimize(DecodeBmp(image->Data(), image->Bytes().size()));
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.archive.size()));
}
BENCHMARK(OpenSkinAndDecodePictures)->Unit(benchmark::kMicrosecond);

void OpenSkinOnly(benchmark::State& state) {
  const SampleSkin& sample = Sample();
  for (auto _ : state) {
    MemorySource source(sample.archive);
    TvtSkinConvertor reader;
    reader.LendSource(source);
    reader.Parse();
    benchmark::DoNotOptimize(reader.Images().data());
  }
}
BENCHMARK(OpenSkinOnly)->Unit(benchmark::kMicrosecond);

// What the program does at start: the internal skin's data into the model.
void LoadSkinIntoModel(benchmark::State& state) {
  TsStoredSkin skin;
  skin.Name = u"Sample";
  skin.Data = Sample().archive;
  SkinModel model;
  for (auto _ : state) {
    LoadStoredSkin(model, skin, SkinLoadSettings());
    benchmark::DoNotOptimize(model.Masks().data());
  }
  if (model.Masks().size() < 3 || model.MasterBitmap().Empty())
    state.SkipWithError("the sample skin did not load whole");
}
BENCHMARK(LoadSkinIntoModel)->Unit(benchmark::kMicrosecond);

// zlib alone on the same streams, with their lengths known in advance.
void BareZlibInflate(benchmark::State& state) {
  const SampleSkin& sample = Sample();
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    for (const SkinArchiveEntry& entry : sample.entries) {
      out.resize(entry.data.size());
      uLongf length = static_cast<uLongf>(out.size());
      uncompress(out.data(), &length, sample.archive.data() + entry.streamOffset,
                 static_cast<uLong>(entry.streamSize));
      benchmark::DoNotOptimize(out.data());
    }
  }
}
BENCHMARK(BareZlibInflate)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then the times side by side with their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void PrintRatios() const {
    const double inflate = Time("BareZlibInflate");
    if (inflate <= 0) return;
    std::printf("\nbare zlib inflate:             %10.1f us\n", inflate);
    for (const char* name : {"OpenSkinOnly", "OpenSkinAndDecodePictures", "LoadSkinIntoModel"})
      if (const double t = Time(name); t > 0) std::printf("%-30s %10.1f us  = %.2f x inflate\n", name, t, t / inflate);
  }

 private:
  double Time(const std::string& name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? 0 : it->second;
  }
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace folvane

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  folvane::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
