#pragma once
// The naming rules of the folder browser that need no shell: root names,
// display-name clean-up and the extension rule, path joining, the free
// "New folder" name, and the flag words the shell calls take.

#include <functional>
#include <string>

namespace folvane {

// A root: one of the names below (any letter case) or a path.
using TvtRoot = std::wstring;

// The special folder (CSIDL_ value) a root name stands for; -1 when the
// string is not one of the names.
int SpecialFolderOfRootName(const std::wstring& root);

enum class TvtShowExtension { seSystem, seHide, seShow };

// Sets of object types and change filters, as bit sets of their enums.
enum TvtShellObjectType : unsigned { otFolders = 1, otNonFolders = 2, otHidden = 4 };
using TvtShellObjectTypes = unsigned;
enum TvtNotifyFilter : unsigned {
  nfFileNameChange = 1,
  nfDirNameChange = 2,
  nfAttributeChange = 4,
  nfSizeChange = 8,
  nfWriteChange = 16,
  nfSecurityChange = 32,
};
using TvtNotifyFilters = unsigned;

// Enumeration flags (SHCONTF_) of a set of object types.
unsigned EnumerationFlags(TvtShellObjectTypes types);
// Change-notification filter bits (FILE_NOTIFY_CHANGE_) of a set of filters.
unsigned NotifyFilterBits(TvtNotifyFilters filters);

// Some shells give a name as "?1?..." marks around it; such a name (longer
// than one character, "?" then a digit) loses every "?".
std::wstring CleanDisplayName(const std::wstring& name);

// The extension of a name or path: from the last "." after the last
// separator, dot included; empty when there is none.
std::wstring FileExtension(const std::wstring& name);

// The show-extension rule; `parsingName` is the item's parsing name and
// `isFile` says whether it names an existing file.
std::wstring ApplyShowExtension(const std::wstring& displayName, const std::wstring& parsingName,
                                bool isFile, TvtShowExtension rule);

// Parsing names of virtual items ("::{GUID}...").
bool IsVirtualParsingName(const std::wstring& name);

// A root path as the desktop parses it: a bare drive "C:" means its root.
std::wstring RootPathFromString(const std::wstring& root);

// `folder` + "\" + `name`, without doubling a separator the folder ends in.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The first of folder\New folder1, folder\New folder2, ... for which
// `isDirectory` is false; empty when every number is taken.
std::wstring FreeNewFolderPath(const std::wstring& folder,
                               const std::function<bool(const std::wstring&)>& isDirectory);

// Letter case ignored, as the file system compares.
bool SameText(const std::wstring& a, const std::wstring& b);

}  // namespace folvane
