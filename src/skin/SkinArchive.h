#pragma once
// The packed skin layout (".vsz"), little-endian int32 throughout:
//   "VSzf", entry count N, then N entries of
//   name length L, L name bytes, inflated size U, one zlib stream.
// No compressed length is stored; an entry ends where its zlib stream ends.
// This file reads and writes the layout entry by entry; TvtSkinConvertor
// (vtSkinPack.h) is what the skin loader uses on top of it.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/ByteSource.h"
#include "skin/ReadErrors.h"

namespace folvane {

constexpr char kSkinArchiveMagic[4] = {'V', 'S', 'z', 'f'};

struct SkinArchiveEntry {
  std::string name;                 // exactly as stored, single-byte characters
  std::vector<std::uint8_t> data;   // the inflated bytes
  std::uint64_t streamOffset = 0;   // where the zlib stream starts (reading only)
  std::uint64_t streamSize = 0;     // its compressed length, trailer included
};

// Reads entries one at a time from the start of a source.
class SkinArchiveReader {
 public:
  // Seeks the source to 0 and reads magic and count. NotPackedSkinError when
  // the magic is wrong or missing (the source is not touched further);
  // StreamReadError when the count is missing.
  explicit SkinArchiveReader(ByteSource& source);

  // The entry count as stored; 0 or less means no entries.
  std::int32_t Count() const { return count_; }
  // Reads the next entry into `entry`; false once Count() entries were read.
  // StreamReadError / ZlibError on damage (see InflateExactly); a name
  // length beyond the rest of the source is a StreamReadError, an inflated
  // size below 0 a ZlibError ("data error").
  bool Next(SkinArchiveEntry& entry);

 private:
  ByteSource& source_;
  std::int32_t count_ = 0;
  std::int32_t read_ = 0;
};

// The whole archive for `entries` in the given order, every stream with
// zlib's default compression (header 78 9C). std::length_error when a name
// or a file does not fit the layout's 32-bit fields.
std::vector<std::uint8_t> PackSkinArchive(const std::vector<SkinArchiveEntry>& entries);

}  // namespace folvane
