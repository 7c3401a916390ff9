#pragma once
// The skin directory: where skin folders and packed skins are looked for,
// and which skins it offers.

#include <string>
#include <vector>

#include "skin/SkinFileSystem.h"
#include "skin/StoredSkin.h"

namespace folvane {

// A relative SkinDirectory against the program's folder `programFolder`
// (with a trailing "\"): "..\x" from the parent of that folder, ".\x" or
// "./x" inside it, a value without ":" and without "\\" appended to it;
// anything else unchanged. No trailing "\" is added.
std::u16string ResolveSkinDirectory(const std::u16string& value,
                                     const std::u16string& programFolder);

// Where packed skins are looked for: SkinDirectory as written with a
// trailing "\" (a single drive letter "X" becomes "X:\").
std::u16string PackedSkinFolder(const std::u16string& skinDirectory);

enum class SkinListMode { Folders = 0, PackedFiles = 1, Both = 2 };

struct SkinNameList {
  std::vector<std::u16string> Names;  // sorted ignoring letter case
  std::u16string First;               // the first name found
};

// Internal skins by Name, then from `resolvedDirectory` (when it exists;
// names starting with "." skipped): folders holding "Options.dat" and files
// whose extension is exactly ".vsz", listed by the part of the name before
// its first ".". A name found twice is listed once.
SkinNameList ListSkinNames(const TsStoredSkins& internalSkins,
                           const std::u16string& resolvedDirectory, SkinListMode mode,
                           const SkinFileSystem& files = HostFileSystem());

}  // namespace folvane
