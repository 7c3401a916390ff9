#pragma once
// Where a skin's pictures come from: the entries of a packed skin, or the
// files of a skin folder.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/PixelBuffer.h"
#include "skin/SkinFileSystem.h"

namespace folvane {

class TvtSkinConvertor;

// Bytes of one picture file, borrowed from an archive entry or owned.
class PictureBytes {
 public:
  PictureBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  explicit PictureBytes(std::vector<std::uint8_t> owned)
      : owned_(std::move(owned)), data_(owned_.data()), size_(owned_.size()) {}
  PictureBytes(PictureBytes&& other) noexcept { *this = std::move(other); }
  PictureBytes& operator=(PictureBytes&& other) noexcept;

  const std::uint8_t* Data() const { return data_; }
  std::size_t Size() const { return size_; }

 private:
  std::vector<std::uint8_t> owned_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The file named `name` as the options file writes it; nullopt when the
  // skin has no such picture.
  virtual std::optional<PictureBytes> Fetch(std::string_view name) = 0;
};

// Archive entries: the first of the reader's images whose upper-cased
// stored name equals `name` as written.
class ArchivePictures : public PictureSource {
 public:
  explicit ArchivePictures(TvtSkinConvertor& reader) : reader_(reader) {}
  std::optional<PictureBytes> Fetch(std::string_view name) override;

 private:
  TvtSkinConvertor& reader_;
};

// Files: SkinPath + name, or the name alone when it holds a ":".
class FolderPictures : public PictureSource {
 public:
  FolderPictures(const SkinFileSystem& files, std::u16string skinPath)
      : files_(files), skinPath_(std::move(skinPath)) {}
  std::optional<PictureBytes> Fetch(std::string_view name) override;
  std::u16string PathOf(std::string_view name) const;

 private:
  const SkinFileSystem& files_;
  std::u16string skinPath_;
};

}  // namespace folvane
