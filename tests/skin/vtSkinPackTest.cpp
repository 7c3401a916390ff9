// TvtSkinConvertor: what the skin loader sees of a packed skin.

#include <gtest/gtest.h>

#include <fstream>

#include "skin/SkinArchive.h"
#include "skin/TestArchive.h"
#include "skin/vtSkinPack.h"

namespace folvane {
namespace {

using namespace test;

const Bytes kOptions = ToBytes("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n");
const Bytes kButton = RandomBytes(3000, 2);
const Bytes kMaster = Bytes(154854, 0x40);
const Bytes kCorner = RandomBytes(70000, 3);

// The internal skin's shape: options first, then three pictures.
Bytes FourEntrySkin() {
  return Assemble({Entry("Options.dat", kOptions), Entry("ButtonHuge.bmp", kButton),
                   Entry("Master.bmp", kMaster), Entry("tl.bmp", kCorner)});
}

Bytes StreamBytes(const MemoryStream& stream) { return stream.Bytes(); }

TEST(TvtSkinConvertor, UnpacksOptionsAndImagesAndEndsAtTheArchiveEnd) {
  const Bytes archive = FourEntrySkin();
  MemorySource source(archive);
  source.Seek(1234);  // parsing starts at 0 whatever the position
  TvtSkinConvertor reader;
  reader.LendSource(source);
  reader.Parse();
  EXPECT_EQ(source.Position(), archive.size());
  EXPECT_EQ(reader.ImageCount(), 3);
  ASSERT_EQ(reader.Images().size(), 3u);
  EXPECT_EQ(reader.Images()[0].Name, "ButtonHuge.bmp");
  EXPECT_EQ(reader.Images()[2].Name, "tl.bmp");
  ASSERT_NE(reader.Options(), nullptr);
  EXPECT_EQ(StreamBytes(*reader.Options()), kOptions);
  EXPECT_EQ(reader.Options()->Position(), kOptions.size()) << "left at its end";
  EXPECT_EQ(StreamBytes(reader.Images()[2].Data), kCorner);
}

TEST(TvtSkinConvertor, ImageLookupUpperCasesOnlyTheStoredName) {
  TvtSkinConvertor reader;
  const Bytes archive = FourEntrySkin();
  MemorySource source(archive);
  reader.LendSource(source);
  reader.Parse();
  struct Case {
    const char* wanted;
    const Bytes* found;
  };
  const Case cases[] = {
      {"MASTER.BMP", &kMaster}, {"TL.BMP", &kCorner}, {"BUTTONHUGE.BMP", &kButton},
      {"Master.bmp", nullptr},  {"tl.bmp", nullptr},  {"OPTIONS.DAT", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    MemoryStream* image = reader.FindImage(c.wanted);
    ASSERT_EQ(image != nullptr, c.found != nullptr) << c.wanted;
    if (!image) continue;
    EXPECT_EQ(image->Position(), 0u) << "rewound";
    EXPECT_EQ(StreamBytes(*image), *c.found) << c.wanted;
  }
}

// ImageCount is the entry count minus one, which only matches the image
// list when the archive holds exactly one options entry.
TEST(TvtSkinConvertor, OptionsEntryAnyCaseAnyPositionAndImageCount) {
  const Bytes a = ToBytes("a"), b = ToBytes("b"), second = ToBytes("[SECOND]");
  struct Case {
    const char* name;
    std::vector<RawEntry> entries;
    int imageCount;
    std::vector<std::string> images;
    const Bytes* options;
    std::vector<std::string> notFound;
  };
  const Case cases[] = {
      {"options first", {Entry("Options.dat", kOptions), Entry("A.bmp", a)}, 1, {"A.bmp"}, &kOptions, {}},
      {"options last, upper case", {Entry("A.bmp", a), Entry("B.bmp", b), Entry("OPTIONS.DAT", kOptions)},
       2, {"A.bmp", "B.bmp"}, &kOptions, {}},
      {"options in the middle, mixed case", {Entry("A.bmp", a), Entry("oPtIoNs.DaT", kOptions), Entry("B.bmp", b)},
       2, {"A.bmp", "B.bmp"}, &kOptions, {}},
      {"no options: the last image is never found", {Entry("A.bmp", a), Entry("B.bmp", b)},
       1, {"A.bmp", "B.bmp"}, nullptr, {"B.BMP"}},
      {"two options: the later wins, lookup stays inside the list",
       {Entry("Options.dat", kOptions), Entry("A.bmp", a), Entry("options.dat", second)},
       2, {"A.bmp"}, &second, {"B.BMP", "NONE"}},
      {"empty archive", {}, -1, {}, nullptr, {"A.BMP"}},
  };
  for (const Case& c : cases) {
    const Bytes archive = Assemble(c.entries);
    MemorySource source(archive);
    TvtSkinConvertor reader;
    reader.LendSource(source);
    reader.Parse();
    EXPECT_EQ(reader.ImageCount(), c.imageCount) << c.name;
    ASSERT_EQ(reader.Images().size(), c.images.size()) << c.name;
    for (std::size_t i = 0; i < c.images.size(); ++i) EXPECT_EQ(reader.Images()[i].Name, c.images[i]) << c.name;
    ASSERT_EQ(reader.Options() != nullptr, c.options != nullptr) << c.name;
    if (c.options) {
      EXPECT_EQ(StreamBytes(*reader.Options()), *c.options) << c.name;
    }
    for (const std::string& name : c.notFound) EXPECT_EQ(reader.FindImage(name), nullptr) << c.name;
    if (c.imageCount >= 1) {
      EXPECT_NE(reader.FindImage("A.BMP"), nullptr) << c.name;
    }
  }
}

TEST(TvtSkinConvertor, NegativeEntryCountMeansNoEntries) {
  for (std::int64_t count : {-1ll, -2147483648ll}) {
    const Bytes archive = Assemble(count, {Entry("Options.dat", kOptions)});
    MemorySource source(archive);
    TvtSkinConvertor reader;
    reader.LendSource(source);
    reader.Parse();
    EXPECT_EQ(reader.ImageCount(), -1) << count;
    EXPECT_EQ(reader.Options(), nullptr) << count;
    EXPECT_EQ(reader.FindImage("OPTIONS.DAT"), nullptr) << count;
  }
}

TEST(TvtSkinConvertor, WrongMagicClearsTheReaderAndLeavesALentSourceIntact) {
  Bytes notPacked = FourEntrySkin();
  notPacked[3] = 'F';
  const Bytes original = notPacked;
  const Bytes good = FourEntrySkin();
  MemorySource goodSource(good);
  TvtSkinConvertor reader;
  reader.LendSource(goodSource);
  reader.Parse();  // entries from an earlier parse must not survive

  MemorySource lent(notPacked);
  lent.Seek(7);
  reader.LendSource(lent);
  try {
    reader.Parse();
    FAIL() << "no error";
  } catch (const NotPackedSkinError& e) {
    EXPECT_STREQ(e.what(), "Loaded data is not packed VantileSkin file");
  }
  EXPECT_EQ(reader.Source(), nullptr);
  EXPECT_TRUE(reader.Images().empty());
  EXPECT_EQ(reader.Options(), nullptr);
  EXPECT_EQ(reader.ImageCount(), -1);
  EXPECT_EQ(notPacked, original);
  lent.Seek(0);  // still usable by its owner
  EXPECT_EQ(lent.Remaining(), original.size());
}

TEST(TvtSkinConvertor, DamagedEntryKeepsTheEntriesReadBeforeIt) {
  Bytes archive = FourEntrySkin();
  archive.resize(archive.size() - 100);  // cut inside the last stream
  MemorySource source(archive);
  TvtSkinConvertor reader;
  reader.LendSource(source);
  EXPECT_THROW(reader.Parse(), StreamReadError);
  EXPECT_NE(reader.Options(), nullptr);
  ASSERT_EQ(reader.Images().size(), 2u);
  EXPECT_NE(reader.FindImage("MASTER.BMP"), nullptr);
  EXPECT_EQ(reader.FindImage("TL.BMP"), nullptr);
}

class TempFile {
 public:
  explicit TempFile(const char* name) : path_(std::filesystem::temp_directory_path() / name) {}
  ~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  void Write(const Bytes& bytes) const {
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

TEST(TvtSkinConvertor, LoadFromFile) {
  TempFile skin("folvane-load.vsz");
  skin.Write(FourEntrySkin());

  std::unique_ptr<TvtSkinConvertor> reader;
  ASSERT_TRUE(TvtSkinConvertor::LoadFromFile(skin.Path(), reader, true));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->Source(), nullptr) << "released as asked";
  EXPECT_NE(reader->FindImage("TL.BMP"), nullptr);

  // A file that does not exist changes nothing, whether or not a reader is there.
  TvtSkinConvertor* before = reader.get();
  EXPECT_FALSE(TvtSkinConvertor::LoadFromFile(skin.Path().string() + ".missing", reader, true));
  EXPECT_EQ(reader.get(), before);
  EXPECT_EQ(reader->ImageCount(), 3);
  std::unique_ptr<TvtSkinConvertor> none;
  EXPECT_FALSE(TvtSkinConvertor::LoadFromFile(skin.Path().string() + ".missing", none, true));
  EXPECT_EQ(none, nullptr);

  // Kept when not asked to release it, positioned after the last stream.
  ASSERT_TRUE(TvtSkinConvertor::LoadFromFile(skin.Path(), reader, false));
  ASSERT_NE(reader->Source(), nullptr);
  EXPECT_TRUE(reader->OwnsSource());
  EXPECT_EQ(reader->Source()->Position(), reader->Source()->Size());

  // A file that is not a packed skin: the error reaches the caller, the
  // reader holds nothing and the file's memory is released.
  Bytes notPacked = FourEntrySkin();
  notPacked[0] = 'X';
  skin.Write(notPacked);
  EXPECT_THROW(TvtSkinConvertor::LoadFromFile(skin.Path(), reader, true), NotPackedSkinError);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->Source(), nullptr);
  EXPECT_TRUE(reader->Images().empty());
}

TEST(TvtSkinConvertor, ClearForgetsEverythingButReleasesOnlyAnOwnedSource) {
  const Bytes archive = FourEntrySkin();
  MemorySource lent(archive);
  TvtSkinConvertor reader;
  reader.LendSource(lent);
  reader.Parse();
  reader.Clear();
  EXPECT_EQ(reader.Source(), nullptr);
  EXPECT_EQ(reader.Options(), nullptr);
  EXPECT_TRUE(reader.Images().empty());
  EXPECT_EQ(reader.ImageCount(), -1);
  lent.Seek(0);
  EXPECT_EQ(lent.Size(), archive.size());
}

}  // namespace
}  // namespace folvane
