#include "skin/SkinLoader.h"

#include <memory>

#include "skin/CommonSections.h"
#include "skin/MaskLoader.h"
#include "skin/Recolor.h"
#include "skin/SectionLoader.h"
#include "skin/SkinDirectory.h"
#include "skin/SkinText.h"
#include "skin/StoredSkinLoader.h"
#include "skin/vtSkinPack.h"

namespace folvane {

namespace {

void LoadSections(const SkinSources& src, SkinContents& skin) {
  if (src.Options) {
    ReadSkinData(*src.Options, skin.SkinData, src.Report);
    skin.Sections = ReadSections(*src.Options, *src.Colors, src.Report);
  } else if (src.Stored) {
    LoadStoredSkinData(*src.Stored, skin.SkinData);
    skin.Sections = LoadStoredSections(*src.Stored, src.Report);
  }
  if (src.Common) AddCommonSections(*src.Common, skin.Sections, src.Report);
}

// The common part of every load: `src` names the options (or collections)
// and the main picture source; SkinPath decides where common pictures lie.
SkinLoadOutcome Build(SkinModel& model, SkinSources src, const std::u16string& skinPath,
                      bool packed, const SkinLoadSettings& settings) {
  const OptionsFile common = OptionsFile::FromCommonLines(settings.CommonSections);
  FolderPictures commonPictures(*settings.Files, skinPath);
  src.Common = common.Sections().empty() ? nullptr : &common;
  src.CommonPictures = &commonPictures;
  src.Colors = &model.Colors();
  src.Report = settings.Report;

  SkinContents skin;
  // Only Active belongs to the manager; everything else is the new skin's
  // (an internal skin's collections, for one, carry no BISPACE).
  skin.SkinData.Active = model.SkinData().Active;
  skin.SkinData.SkinPath = skinPath;
  skin.Packed = packed;
  LoadMasks(src, skin);
  LoadPatterns(src, skin);
  LoadSections(src, skin);
  Recolor(skin, settings.HueOffset, settings.Saturation);
  model.Assign(std::move(skin));
  return SkinLoadOutcome{SkinLoadResult::Loaded, {}};
}

// After the archive was parsed: its options file and its pictures.
SkinLoadOutcome BuildFromArchive(SkinModel& model, TvtSkinConvertor& reader,
                                 const std::u16string& skinPath,
                                 const SkinLoadSettings& settings) {
  if (!reader.Options()) return SkinLoadOutcome{SkinLoadResult::NoOptions, {}};
  const auto& bytes = reader.Options()->Bytes();
  const OptionsFile options = OptionsFile::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  ArchivePictures pictures(reader);
  SkinSources src;
  src.Options = &options;
  src.Pictures = &pictures;
  return Build(model, src, skinPath, true, settings);
}

// Parse() with a wrong magic answered as an outcome instead of an error.
bool ParseArchive(TvtSkinConvertor& reader, SkinLoadOutcome& rejected) {
  try {
    reader.Parse();
    return true;
  } catch (const NotPackedSkinError& e) {
    rejected = SkinLoadOutcome{SkinLoadResult::NotPackedSkin, e.what()};
    return false;
  }
}

}  // namespace

SkinLoadOutcome LoadPackedSkinFile(SkinModel& model, const std::u16string& file,
                                   const std::u16string& skinPath,
                                   const SkinLoadSettings& settings) {
  auto bytes = settings.Files->ReadFile(file);
  if (!bytes) {
    if (!settings.Files->FileExists(file)) return SkinLoadOutcome{};
    throw FileOpenError(NarrowLatin1(file));
  }
  TvtSkinConvertor reader;
  reader.OwnSource(std::make_unique<MemoryStream>(std::move(*bytes)));
  SkinLoadOutcome rejected;
  if (!ParseArchive(reader, rejected)) return rejected;
  reader.DropSource();  // everything is inflated: the file's bytes can go
  return BuildFromArchive(model, reader, skinPath, settings);
}

SkinLoadOutcome LoadSkinFolder(SkinModel& model, const std::u16string& folder,
                               const SkinLoadSettings& settings) {
  const auto text = settings.Files->ReadFile(folder + u"Options.dat");
  if (!text) return SkinLoadOutcome{};
  const OptionsFile options = OptionsFile::Parse(
      std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
  FolderPictures pictures(*settings.Files, folder);
  SkinSources src;
  src.Options = &options;
  src.Pictures = &pictures;
  return Build(model, src, folder, false, settings);
}

SkinLoadOutcome LoadStoredSkin(SkinModel& model, const TsStoredSkin& skin,
                               const SkinLoadSettings& settings) {
  if (skin.Data.empty()) {
    SkinSources src;
    src.Stored = &skin;
    return Build(model, src, u"", false, settings);
  }
  // The data is lent to the reader and taken back right after parsing.
  MemorySource data(skin.Data);
  TvtSkinConvertor reader;
  reader.LendSource(data);
  SkinLoadOutcome rejected;
  const bool parsed = ParseArchive(reader, rejected);
  reader.DropSource();
  if (!parsed) return rejected;
  return BuildFromArchive(model, reader, u"", settings);
}

namespace {

const TsStoredSkin* FindStoredSkin(const TsStoredSkins* skins, const std::u16string& name) {
  if (!skins) return nullptr;
  for (const TsStoredSkin& skin : *skins)
    if (skin.Name == name) return &skin;
  return nullptr;
}

}  // namespace

SkinChoice LoadSkinByName(SkinModel& model, const std::u16string& name,
                          const SkinLocation& where, const SkinLoadSettings& settings) {
  SkinChoice choice;
  const SkinFileSystem& files = *settings.Files;
  const std::u16string resolved = ResolveSkinDirectory(where.SkinDirectory, where.ProgramFolder);
  const std::u16string packedFile = PackedSkinFolder(where.SkinDirectory) + name + u".vsz";
  const std::u16string folder = resolved + u"\\" + name + u"\\";
  if (files.FileExists(packedFile)) {
    choice = {SkinOrigin::PackedFile, name, {}};
    choice.Outcome = LoadPackedSkinFile(model, packedFile, resolved + u"\\", settings);
  } else if (files.FileExists(folder + u"Options.dat")) {
    choice = {SkinOrigin::Folder, name, {}};
    choice.Outcome = LoadSkinFolder(model, folder, settings);
  } else {
    const TsStoredSkin* stored = FindStoredSkin(where.InternalSkins, name);
    if (!stored && where.InternalSkins && !where.InternalSkins->empty())
      stored = &where.InternalSkins->front();
    if (!stored) return choice;
    choice = {SkinOrigin::Internal, stored->Name, {}};
    choice.Outcome = LoadStoredSkin(model, *stored, settings);
  }
  return choice;
}

}  // namespace folvane
