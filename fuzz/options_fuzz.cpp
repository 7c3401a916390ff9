// Options files from strangers: reading them into records and masks may
// fail only with the loader's own error kinds, and every lookup on the
// result (parent chains included) and the skin checker must end without a
// fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/CommonSections.h"
#include "skin/ImageReference.h"
#include "skin/SectionLoader.h"
#include "skin/SkinCheck.h"
#include "skin/SkinErrors.h"
#include "skin/SkinModel.h"

namespace {

using namespace folvane;

void AddMasks(const OptionsFile& options, SkinContents& skin) {
  for (const OptionsFile::Section& section : options.Sections())
    for (const OptionsFile::Key& key : section.Keys) {
      try {
        ImageReference ref = ParseImageReference(section.Name, key.Name, key.Value);
        if (ref.ReferenceKind == ImageReference::Kind::OwnPicture)
          CompleteOwnPicture(ref, PixelBuffer(7, 5, PixelFormat::Bgr24));
        if (ref.ReferenceKind != ImageReference::Kind::None)
          skin.Masks.push_back(std::move(ref.Mask));
      } catch (const EConvertError&) {
      } catch (const EDivByZero&) {
      }
    }
}

void AddSections(const OptionsFile& options, SkinContents& skin) {
  try {
    ReadSkinData(options, skin.SkinData);
  } catch (const EConvertError&) {
  }
  try {
    skin.Sections = ReadSections(options, ClassicSystemColors());
  } catch (const EConvertError&) {
  }
  // The same text once more as "CommonSections".
  std::vector<std::string> lines;
  for (const auto& s : options.Sections()) {
    lines.push_back("[" + s.Name + "]");
    for (const auto& k : s.Keys) lines.push_back(k.Name + "=" + k.Value);
  }
  try {
    AddCommonSections(OptionsFile::FromCommonLines(NormalizeCommonSections(lines)),
                      skin.Sections);
  } catch (const EConvertError&) {
  }
}

void LookEverythingUp(const OptionsFile& options, const SkinModel& model) {
  for (const OptionsFile::Section& section : options.Sections()) {
    const int index = model.FindSection(section.Name);
    for (const OptionsFile::Key& key : section.Keys) {
      const int mask = model.FindMask(index, section.Name, key.Name);
      model.FindTextureMask(index, section.Name, key.Name);
      model.FindPattern(index, section.Name, key.Name);
      model.SliceWidthLeft(mask);
      model.SliceWidthTop(mask);
      model.SliceWidthRight(mask);
      model.SliceWidthBottom(mask);
      model.MaskStateSize(mask);
    }
  }
  model.GlobalBackColor();
  model.GlobalTextColor();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const OptionsFile options =
      OptionsFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  SkinContents skin;
  AddMasks(options, skin);
  AddSections(options, skin);
  SkinModel model;
  model.Assign(std::move(skin));
  LookEverythingUp(options, model);
  CheckLoadedSkin(model);
  return 0;
}
