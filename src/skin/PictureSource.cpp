#include "skin/PictureSource.h"

#include "skin/SkinText.h"
#include "skin/vtSkinPack.h"

namespace folvane {

PictureBytes& PictureBytes::operator=(PictureBytes&& other) noexcept {
  const bool ownsOther = other.data_ == other.owned_.data() && !other.owned_.empty();
  owned_ = std::move(other.owned_);
  data_ = ownsOther ? owned_.data() : other.data_;
  size_ = other.size_;
  other.data_ = nullptr;
  other.size_ = 0;
  return *this;
}

std::optional<PictureBytes> ArchivePictures::Fetch(std::string_view name) {
  const MemoryStream* entry = reader_.FindImage(name);
  if (!entry) return std::nullopt;
  return PictureBytes(entry->Data(), entry->Bytes().size());
}

std::u16string FolderPictures::PathOf(std::string_view name) const {
  const std::u16string wide = WidenLatin1(name);
  return ContainsText(name, ":") ? wide : skinPath_ + wide;
}

std::optional<PictureBytes> FolderPictures::Fetch(std::string_view name) {
  auto bytes = files_.ReadFile(PathOf(name));
  if (!bytes) return std::nullopt;
  return PictureBytes(std::move(*bytes));
}

}  // namespace folvane
