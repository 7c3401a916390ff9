#pragma once
// Loading a skin into a SkinModel: masks, then patterns, then sections, then
// recolouring. Every load builds a new skin aside and the model takes it
// over only when the load succeeded, so a rejected archive or a load error
// leaves the previous skin in place.
//
// Errors that fail a load propagate as exceptions: EConvertError and
// EDivByZero (SkinErrors.h) from the options file and image references,
// ZlibError, StreamReadError and FileOpenError (ReadErrors.h) from an
// archive. A wrong archive magic is not an exception here: the outcome
// carries its text for the warning box.

#include <string>
#include <vector>

#include "skin/LoadReport.h"
#include "skin/SkinFileSystem.h"
#include "skin/SkinModel.h"
#include "skin/StoredSkin.h"

namespace folvane {

struct SkinLoadSettings {
  int HueOffset = 0;
  int Saturation = 0;
  // The "CommonSections" lines as the manager holds them (already passed
  // through NormalizeCommonSections).
  std::vector<std::string> CommonSections;
  const SkinFileSystem* Files = &HostFileSystem();
  // Set by the skin checker: faults are reported per key and loading goes
  // on (archive errors still propagate).
  LoadReport* Report = nullptr;
};

enum class SkinLoadResult {
  Loaded,
  NotPackedSkin,  // wrong magic; Message holds the warning text
  NoOptions,      // an archive without "Options.dat"
  NotFound,       // no such skin (file, folder or internal skin)
};

struct SkinLoadOutcome {
  SkinLoadResult Result = SkinLoadResult::NotFound;
  std::string Message;
  bool Loaded() const { return Result == SkinLoadResult::Loaded; }
};

// A ".vsz" file; SkinPath becomes `skinPath` (the resolved skin directory
// with a trailing "\").
SkinLoadOutcome LoadPackedSkinFile(SkinModel& model, const std::u16string& file,
                                   const std::u16string& skinPath,
                                   const SkinLoadSettings& settings);

// A skin folder (with a trailing "\") holding "Options.dat"; it becomes
// SkinPath.
SkinLoadOutcome LoadSkinFolder(SkinModel& model, const std::u16string& folder,
                               const SkinLoadSettings& settings);

// An internal skin: its packed "Data" (read in place, never changed), or
// its collections when "Data" is empty. SkinPath becomes empty.
SkinLoadOutcome LoadStoredSkin(SkinModel& model, const TsStoredSkin& skin,
                               const SkinLoadSettings& settings);

// Where skins are looked for when one is chosen by name.
struct SkinLocation {
  std::u16string SkinDirectory;  // the property's value, as written
  std::u16string ProgramFolder;  // with a trailing "\"
  const TsStoredSkins* InternalSkins = nullptr;
};

enum class SkinOrigin { None, PackedFile, Folder, Internal };

struct SkinChoice {
  SkinOrigin Origin = SkinOrigin::None;
  // The skin that was taken: the requested name, or the first internal
  // skin's Name when no skin has that name. Empty when nothing was found.
  std::u16string SkinName;
  SkinLoadOutcome Outcome;
};

// The skin named `name`: SkinDirectory + name + ".vsz" when that file
// exists, else the folder resolved directory + "\" + name when it holds
// "Options.dat", else the internal skin of that Name, else the first
// internal skin; with none of these nothing is loaded (Origin None).
SkinChoice LoadSkinByName(SkinModel& model, const std::u16string& name,
                          const SkinLocation& location, const SkinLoadSettings& settings);

}  // namespace folvane
