// The packed skin layout and its inflater: positions after each stream,
// the 64 KiB read blocks, and every kind of damage a download can carry.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "skin/SkinArchive.h"
#include "skin/TestArchive.h"
#include "skin/ZlibInflater.h"

namespace folvane {
namespace {

using namespace test;

// Random data of a size whose default-compressed stream is exactly
// `streamSize` bytes long (stored blocks grow one byte per data byte).
Bytes DataWithStreamSize(std::size_t streamSize, std::uint32_t seed) {
  std::size_t size = streamSize;
  for (int tries = 0; tries < 20; ++tries) {
    const Bytes data = RandomBytes(size, seed);
    const std::size_t got = Compress(data).size();
    if (got == streamSize) return data;
    size = size + streamSize - got;
  }
  ADD_FAILURE() << "no data compresses to " << streamSize << " bytes";
  return {};
}

TEST(SkinArchive, PackedEntriesReadBackWithTheirStreamBounds) {
  const std::vector<SkinArchiveEntry> files = {
      {"Options.dat", ToBytes("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n")},
      {"empty.bin", {}},
      {"Master.bmp", Bytes(200000, 0xAB)},  // inflates past several read blocks
      {"noise.bin", RandomBytes(70000, 1)},
  };
  const Bytes archive = PackSkinArchive(files);
  MemorySource source(archive);
  SkinArchiveReader reader(source);
  ASSERT_EQ(reader.Count(), 4);
  SkinArchiveEntry entry;
  std::uint64_t expectedOffset = 8;
  for (const SkinArchiveEntry& file : files) {
    ASSERT_TRUE(reader.Next(entry));
    EXPECT_EQ(entry.name, file.name);
    EXPECT_EQ(entry.data, file.data) << file.name;
    expectedOffset += 4 + file.name.size() + 4;
    EXPECT_EQ(entry.streamOffset, expectedOffset) << file.name;
    EXPECT_EQ(archive[entry.streamOffset], 0x78) << "default zlib header";
    EXPECT_EQ(archive[entry.streamOffset + 1], 0x9C) << "default zlib header";
    EXPECT_EQ(source.Position(), entry.streamOffset + entry.streamSize);
    expectedOffset += entry.streamSize;
  }
  EXPECT_FALSE(reader.Next(entry));
  EXPECT_EQ(source.Position(), archive.size());
}

// The inflater reads 64 KiB blocks starting where a stream starts; streams
// ending just before, on and just after a block boundary (the trailer split
// across two blocks) must each leave the source directly after their
// trailer. Checked on memory and on a file, where handing back the
// read-ahead means seeking back in the file.
TEST(SkinArchive, StreamEndingAroundA64KiBBlockLeavesSourceAfterItsTrailer) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "folvane-block-boundary.vsz";
  for (std::size_t end = kInflateBlockSize - 2; end <= kInflateBlockSize + 5; ++end) {
    const Bytes first = DataWithStreamSize(end, static_cast<std::uint32_t>(end));
    const Bytes second = ToBytes("second entry");
    const Bytes archive = Assemble({Entry("first", first), Entry("second", second)});
    {
      std::ofstream out(file, std::ios::binary);
      out.write(reinterpret_cast<const char*>(archive.data()), static_cast<std::streamsize>(archive.size()));
    }
    MemorySource memory(archive);
    FileSource onDisk(file);
    for (ByteSource* source : {static_cast<ByteSource*>(&memory), static_cast<ByteSource*>(&onDisk)}) {
      SkinArchiveReader reader(*source);
      SkinArchiveEntry entry;
      ASSERT_TRUE(reader.Next(entry));
      ASSERT_EQ(entry.streamSize, end);
      EXPECT_EQ(entry.data, first);
      ASSERT_TRUE(reader.Next(entry)) << end;
      EXPECT_EQ(entry.data, second) << end;
      EXPECT_EQ(source->Position(), archive.size()) << end;
    }
  }
  std::filesystem::remove(file);
}

// Headers that lie and streams that are cut or damaged: each fails with its
// own kind and zlib's own text, and no buffer is sized by a lying header
// (the huge sizes below would exhaust memory if they were believed).
TEST(SkinArchive, DamageFailsWithItsKindAndText) {
  const Bytes data = ToBytes("[GLOBALINFO]\r\nVERSION=5.0\r\n");
  const Bytes stream = Compress(data);
  const auto size = static_cast<std::int64_t>(data.size());
  Bytes badAdler = stream;
  badAdler.back() ^= 0x01;
  Bytes badHeader = stream;
  badHeader[1] ^= 0x01;  // header check no longer divides by 31
  const Bytes presetDictionary = {0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00};
  Bytes cutInData(stream.begin(), stream.begin() + 6);
  Bytes cutInTrailer(stream.begin(), stream.end() - 2);
  Bytes negativeName = Assemble(1, {});
  PutInt32(negativeName, -1);
  Bytes longName = Assemble(1, {});
  PutInt32(longName, 0x7FFFFFF0);
  longName.insert(longName.end(), 100, 'x');

  struct Case {
    const char* name;
    Bytes archive;
    const char* what;
  };
  const Case cases[] = {
      {"stream cut in its data", Assemble({{"a", size, cutInData}}), "Stream read error"},
      {"stream cut in its trailer", Assemble({{"a", size, cutInTrailer}}), "Stream read error"},
      {"stream shorter than announced", Assemble({{"a", size + 1, stream}}), "Stream read error"},
      {"stream longer than announced", Assemble({{"a", size - 1, stream}}), "data error"},
      {"wrong checksum", Assemble({{"a", size, badAdler}}), "data error"},
      {"wrong zlib header", Assemble({{"a", size, badHeader}}), "data error"},
      {"preset dictionary", Assemble({{"a", 0, presetDictionary}}), "need dictionary"},
      {"negative inflated size", Assemble({{"a", -5, stream}}), "data error"},
      {"inflated size beyond any skin", Assemble({{"a", 0x7FFFFFFF, stream}}), "data error"},
      {"inflated size beyond deflate's ratio", Assemble({{"a", 64 * 1024 * 1024, stream}}), "Stream read error"},
      {"negative name length", negativeName, "Stream read error"},
      {"name length beyond the input", longName, "Stream read error"},
      {"count missing", ToBytes("VSzf"), "Stream read error"},
      {"more entries announced than stored", Assemble(0x7FFFFFFF, {Entry("a", data)}), "Stream read error"},
  };
  for (const Case& c : cases) {
    MemorySource source(c.archive);
    try {
      SkinArchiveReader reader(source);
      SkinArchiveEntry entry;
      while (reader.Next(entry)) {
      }
      ADD_FAILURE() << c.name << ": no error";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.what) << c.name;
      const bool readError = dynamic_cast<const StreamReadError*>(&e) != nullptr;
      const bool zlibError = dynamic_cast<const ZlibError*>(&e) != nullptr;
      EXPECT_TRUE(std::strcmp(c.what, "Stream read error") == 0 ? readError : zlibError) << c.name;
    }
  }
}

TEST(SkinArchive, WrongMagicIsNotAPackedSkin) {
  for (const std::string& start : {std::string(), std::string("VSz"), std::string("VSZF\1\0\0\0"),
                                   std::string("BM\0\0\0\0\0\0", 8)}) {
    const Bytes bytes = ToBytes(start);
    MemorySource source(bytes);
    try {
      SkinArchiveReader reader(source);
      ADD_FAILURE() << "accepted " << start;
    } catch (const NotPackedSkinError& e) {
      EXPECT_STREQ(e.what(), "Loaded data is not packed VantileSkin file");
    }
  }
}

}  // namespace
}  // namespace folvane
