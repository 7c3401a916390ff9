#pragma once
// The skin checker: loads a skin exactly as the program does and tells its
// author every fault, with section and key, and, as notes, the sections the
// program looks up that the skin lacks.

#include <string>
#include <vector>

#include "skin/SkinFileSystem.h"
#include "skin/SkinModel.h"

namespace folvane {

struct SkinFinding {
  enum class Kind { Error, Note };
  Kind FindingKind = Kind::Error;
  std::string Section;  // empty for the archive as a whole
  std::string Key;
  std::string Text;
  bool FailsLoad = false;  // the program stops loading the skin here
};

// A packed skin file (`isFolder` false) or a skin folder.
std::vector<SkinFinding> CheckSkin(const std::u16string& path, bool isFolder,
                                   const SkinFileSystem& files = HostFileSystem());

// What a loaded model shows: rectangles outside the master bitmap, empty
// rectangles, state counts below 1, border slices wider than a state image,
// and the looked-up sections it lacks.
std::vector<SkinFinding> CheckLoadedSkin(const SkinModel& model);

// "error: [FORM] BORDERSMASK: ..." / "note: ..."
std::string FormatFinding(const SkinFinding& finding);

}  // namespace folvane
