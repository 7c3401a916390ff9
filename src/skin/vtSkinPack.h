#pragma once
// TvtSkinConvertor unpacks a whole packed skin into memory at once: the
// options file into one stream, every other entry into an image stream,
// so that the skin loader can parse the options and fetch pictures by name.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/ByteSource.h"
#include "skin/ReadErrors.h"

namespace folvane {

struct TvtImageItem {
  std::string Name;   // exactly as stored in the archive
  MemoryStream Data;  // the inflated bytes, left positioned at the end
};
using TvtImageItems = std::vector<TvtImageItem>;

// The options entry's name, compared ignoring letter case.
constexpr std::string_view kOptionsFileName = "Options.dat";

class TvtSkinConvertor {
 public:
  TvtSkinConvertor() = default;
  ~TvtSkinConvertor() { Clear(); }
  TvtSkinConvertor(const TvtSkinConvertor&) = delete;
  TvtSkinConvertor& operator=(const TvtSkinConvertor&) = delete;

  // Load from file. When `file` does not exist nothing happens and false is
  // answered (`reader` untouched). Otherwise `reader` is cleared (or
  // created), the whole file is read into memory as its owned source and
  // parsed; with `releaseSource` the source is released afterwards, also
  // when parsing throws. Errors are those of Parse(), plus FileOpenError;
  // the reader stays in `reference` either way (holding nothing after a
  // wrong magic, the entries read before a damaged one otherwise).
  static bool LoadFromFile(const std::filesystem::path& file,
                           std::unique_ptr<TvtSkinConvertor>& reader, bool releaseSource);

  // Reads `source` without ever releasing it (an internal skin's data);
  // it must stay alive until DropSource() or Clear().
  void LendSource(ByteSource& source);
  void OwnSource(std::unique_ptr<ByteSource> source);
  // Forgets the source; releases it only when the reader owns it.
  void DropSource();
  ByteSource* Source() const { return source_; }
  bool OwnsSource() const { return ownedSource_ != nullptr; }

  // Reads the archive from the source's position 0 (whatever its current
  // position), replacing the entries held before. Afterwards the source is
  // positioned after the last entry's zlib stream.
  //  - NotPackedSkinError: wrong magic; the reader is cleared (holds no
  //    entries and no source; a lent source is left as it was).
  //  - ZlibError (damaged data) / StreamReadError (truncated archive):
  //    entries read before the damaged one stay.
  void Parse();

  // Releases the image streams, the options stream and the source (the
  // latter only when owned; a lent one is forgotten).
  void Clear();

  // The archive's entry count minus one: how many images a lookup searches.
  // It equals Images().size() when the archive holds exactly one options
  // entry; it is -1 before parsing and for an empty archive.
  int ImageCount() const { return imageCount_; }
  const TvtImageItems& Images() const { return images_; }
  TvtImageItems& Images() { return images_; }
  // The inflated options file, or nullptr when the archive had none. Left
  // positioned at its end after parsing: rewind it before reading.
  MemoryStream* Options() { return options_.get(); }
  const MemoryStream* Options() const { return options_.get(); }

  // The first of the first ImageCount() images whose stored name, with
  // ASCII letters upper-cased, equals `wanted` exactly, rewound to position
  // 0; nullptr when there is none. Only the stored side is upper-cased, so
  // "MASTER.BMP" finds "Master.bmp" and "Master.bmp" finds nothing.
  MemoryStream* FindImage(std::string_view wanted);

 private:
  void ClearEntries();

  int imageCount_ = -1;
  TvtImageItems images_;
  std::unique_ptr<MemoryStream> options_;
  ByteSource* source_ = nullptr;
  std::unique_ptr<ByteSource> ownedSource_;
};

// ASCII letters upper-cased, every other byte kept (names are single-byte).
std::string UpperCaseAscii(std::string_view text);

}  // namespace folvane
