#include "skin/MaskLoader.h"

#include "skin/ImageReference.h"
#include "skin/SkinText.h"
#include "skin/StoredSkinLoader.h"

namespace folvane {

namespace {

constexpr char kGlobalInfo[] = "GLOBALINFO";
constexpr std::int64_t kPatternPixels = 90000;

void LoadMasterBitmap(const SkinSources& src, SkinContents& skin) {
  const std::string* name = src.Options->FindValue(kGlobalInfo, "MASTERBITMAP");
  if (!name || name->empty()) return;
  if (auto picture = LoadPicture(*src.Pictures, *name, PictureFormat::Bmp,
                                 src.Report, kGlobalInfo, "MASTERBITMAP"))
    skin.MasterBitmap = std::move(*picture);
}

bool IsMasterBitmapKey(std::string_view section, std::string_view key) {
  return EqualsIgnoreCase(section, kGlobalInfo) && EqualsIgnoreCase(key, "MASTERBITMAP");
}

void AddReference(const SkinSources& src, SkinContents& skin,
                  std::string_view section, std::string_view key,
                  std::string_view value) {
  ImageReference ref = ParseImageReference(section, key, value);
  if (ref.IgnoredOwnPicture)
    ReportQuietFault(src.Report, section, key,
                     "the file name of a \"!\" value must contain \".BMP\" in capitals");
  if (ref.ReferenceKind == ImageReference::Kind::None) return;
  if (ref.UnknownImgType)
    ReportQuietFault(src.Report, section, key, "image type must be 0, 1 or 2");
  if (ref.MissingRectNumbers)
    ReportQuietFault(src.Report, section, key, "fewer than four rectangle numbers");
  if (ref.ReferenceKind == ImageReference::Kind::OwnPicture) {
    auto picture = LoadPicture(*src.Pictures, ref.PictureName, PictureFormat::Bmp,
                               src.Report, section, key);
    if (!picture) return;
    CompleteOwnPicture(ref, std::move(*picture));
  }
  skin.Masks.push_back(std::move(ref.Mask));
}

// A common section's own picture: SkinPath + name, every field but the
// picture and the names left 0.
void AddCommonPicture(const SkinSources& src, SkinContents& skin,
                      std::string_view section, std::string_view key,
                      const std::string& upperValue) {
  auto picture = LoadPicture(*src.CommonPictures, upperValue, PictureFormat::Bmp,
                             src.Report, section, key);
  if (!picture) return;
  TsMaskData mask;
  mask.Image = std::move(*picture);
  mask.SectionName = ToUpperAscii(section);
  mask.PropertyName = ToUpperAscii(key);
  skin.Masks.push_back(std::move(mask));
}

void AddCommonMask(const SkinSources& src, SkinContents& skin,
                   std::string_view section, std::string_view key,
                   std::string_view value) {
  if (skin.MasterBitmap.Empty() || !ContainsText(value, "#")) {
    const std::string upper = ToUpperAscii(value);
    if (ContainsText(upper, ".BMP")) AddCommonPicture(src, skin, section, key, upper);
  } else if (value != "#") {
    ImageReference ref = ParseFreeForm(section, key, value);
    skin.Masks.push_back(std::move(ref.Mask));
  }
}

void LoadCommonMasks(const SkinSources& src, SkinContents& skin) {
  if (!src.Common || !src.CommonPictures) return;
  for (const OptionsFile::Section& section : src.Common->Sections()) {
    if (EqualsIgnoreCase(section.Name, kGlobalInfo)) continue;
    for (const OptionsFile::Key& key : section.Keys)
      ForKey(src.Report, section.Name, key.Name,
             [&] { AddCommonMask(src, skin, section.Name, key.Name, key.Value); });
  }
}

}  // namespace

void LoadMasks(const SkinSources& src, SkinContents& skin) {
  skin.Masks.clear();
  skin.MasterBitmap = PixelBuffer();
  if (src.Options && src.Pictures) {
    LoadMasterBitmap(src, skin);
    for (const OptionsFile::Section& section : src.Options->Sections())
      for (const OptionsFile::Key& key : section.Keys) {
        if (key.Value.empty() || IsMasterBitmapKey(section.Name, key.Name)) continue;
        ForKey(src.Report, section.Name, key.Name, [&] {
          AddReference(src, skin, section.Name, key.Name, key.Value);
        });
      }
  } else if (src.Stored) {
    LoadStoredMasks(*src.Stored, skin, src.Report);
  }
  LoadCommonMasks(src, skin);
}

namespace {

void AddJpeg(const SkinSources& src, SkinContents& skin, std::string_view section,
             std::string_view key, const std::string& upperValue) {
  auto picture = LoadPicture(*src.Pictures, upperValue, PictureFormat::Jpeg,
                             src.Report, section, key);
  if (!picture) return;
  const std::int64_t pixels =
      static_cast<std::int64_t>(picture->Width()) * picture->Height();
  if (pixels >= kPatternPixels) {
    skin.Patterns.push_back(
        TsPatternData{std::move(*picture), ToUpperAscii(section), ToUpperAscii(key)});
    return;
  }
  // A small texture is kept as a mask with a picture of its own and an
  // empty rectangle: its picture gives the size.
  TsMaskData mask;
  mask.Image = std::move(*picture);
  mask.SectionName = ToUpperAscii(section);
  mask.PropertyName = ToUpperAscii(key);
  mask.ImgType = itisaTexture;
  mask.ImageCount = 1;
  skin.Masks.push_back(std::move(mask));
}

void AddCommonJpeg(const SkinSources& src, SkinContents& skin,
                   std::string_view section, std::string_view key,
                   const std::string& upperValue) {
  auto picture = LoadPicture(*src.CommonPictures, upperValue, PictureFormat::Jpeg,
                             src.Report, section, key);
  if (!picture) return;
  skin.Patterns.push_back(
      TsPatternData{std::move(*picture), ToUpperAscii(section), ToUpperAscii(key)});
}

template <typename Add>
void ForEachJpegValue(const OptionsFile& options, LoadReport* report, Add add) {
  for (const OptionsFile::Section& section : options.Sections())
    for (const OptionsFile::Key& key : section.Keys) {
      if (!NamesJpegPicture(key.Value)) continue;
      const std::string upper = ToUpperAscii(key.Value);
      ForKey(report, section.Name, key.Name, [&] { add(section.Name, key.Name, upper); });
    }
}

}  // namespace

void LoadPatterns(const SkinSources& src, SkinContents& skin) {
  skin.Patterns.clear();
  if (src.Options && src.Pictures)
    ForEachJpegValue(*src.Options, src.Report,
                     [&](std::string_view s, std::string_view k, const std::string& v) {
                       AddJpeg(src, skin, s, k, v);
                     });
  else if (src.Stored)
    LoadStoredPatterns(*src.Stored, skin);
  if (src.Common && src.CommonPictures)
    ForEachJpegValue(*src.Common, src.Report,
                     [&](std::string_view s, std::string_view k, const std::string& v) {
                       AddCommonJpeg(src, skin, s, k, v);
                     });
}

}  // namespace folvane
