#include "skin/vtSkinPack.h"

#include <algorithm>
#include <system_error>

#include "skin/SkinArchive.h"
#include "skin/ReadErrors.h"

namespace folvane {

std::string UpperCaseAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

namespace {

bool IsOptionsEntry(std::string_view name) {
  return UpperCaseAscii(name) == UpperCaseAscii(kOptionsFileName);
}

// Releases an owned source when loading from a file asked for it, on every
// way out of the parse.
class SourceReleaseGuard {
 public:
  SourceReleaseGuard(TvtSkinConvertor& reader, bool release) : reader_(reader), release_(release) {}
  ~SourceReleaseGuard() {
    if (release_) reader_.DropSource();
  }
  SourceReleaseGuard(const SourceReleaseGuard&) = delete;
  SourceReleaseGuard& operator=(const SourceReleaseGuard&) = delete;

 private:
  TvtSkinConvertor& reader_;
  bool release_;
};

}  // namespace

bool TvtSkinConvertor::LoadFromFile(const std::filesystem::path& file,
                                    std::unique_ptr<TvtSkinConvertor>& reader,
                                    bool releaseSource) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  if (reader)
    reader->Clear();
  else
    reader = std::make_unique<TvtSkinConvertor>();
  reader->OwnSource(std::make_unique<MemoryStream>(MemoryStream::FromFile(file)));
  SourceReleaseGuard guard(*reader, releaseSource);
  reader->Parse();
  return true;
}

void TvtSkinConvertor::LendSource(ByteSource& source) {
  DropSource();
  source_ = &source;
}

void TvtSkinConvertor::OwnSource(std::unique_ptr<ByteSource> source) {
  DropSource();
  ownedSource_ = std::move(source);
  source_ = ownedSource_.get();
}

void TvtSkinConvertor::DropSource() {
  source_ = nullptr;
  ownedSource_.reset();
}

void TvtSkinConvertor::Parse() {
  ClearEntries();
  if (!source_) throw StreamReadError();
  try {
    SkinArchiveReader archive(*source_);
    // A count of 0 or below means no entries (and must not underflow).
    imageCount_ = std::max(archive.Count(), 0) - 1;
    images_.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(archive.Count(), 0, 64)));
    SkinArchiveEntry entry;
    while (archive.Next(entry)) {
      // Like the loader expects, each stream is left at its end; whoever
      // reads one rewinds it first.
      auto stream = std::make_unique<MemoryStream>(std::move(entry.data));
      stream->Seek(stream->Size());
      if (IsOptionsEntry(entry.name))
        options_ = std::move(stream);  // a later options entry replaces an earlier one
      else
        images_.push_back({std::move(entry.name), std::move(*stream)});
    }
  } catch (const NotPackedSkinError&) {
    Clear();
    throw;
  }
}

void TvtSkinConvertor::ClearEntries() {
  while (!images_.empty()) images_.pop_back();
  options_.reset();
  imageCount_ = -1;
}

void TvtSkinConvertor::Clear() {
  ClearEntries();
  DropSource();
}

MemoryStream* TvtSkinConvertor::FindImage(std::string_view wanted) {
  // ImageCount() can exceed the list (two options entries, a damaged
  // archive): never walk past what is there.
  const std::size_t searched =
      std::min(images_.size(), static_cast<std::size_t>(std::max(imageCount_, 0)));
  for (std::size_t i = 0; i < searched; ++i) {
    if (UpperCaseAscii(images_[i].Name) == wanted) {
      images_[i].Data.Seek(0);
      return &images_[i].Data;
    }
  }
  return nullptr;
}

}  // namespace folvane
