#pragma once

#include <string>
#include <vector>

namespace folvane {

// What happened to a folder's desktop.ini in an operation that succeeded.
enum class IniChange { Created, Updated, Deleted, Unchanged };

// The shell change events the folder operations announce.
enum class ShellEvent { Create, Delete, UpdateItem, UpdateDir };

struct ShellChange {
  ShellEvent event;
  std::wstring path;

  bool operator==(const ShellChange& o) const { return event == o.event && path == o.path; }
};

// The events that make open views of a changed folder show its new look:
// the folder itself, its desktop.ini as the case is, and the view of the
// folder's parent, where the folder's icon is seen. `folder` is a full path;
// a drive root has no parent view to refresh.
std::vector<ShellChange> FolderChanges(const std::wstring& folder, IniChange ini);

// The folder holding `path` without a trailing separator, except for a
// drive root ("C:\"); empty when `path` is itself a root.
std::wstring ParentFolder(const std::wstring& path);

// `path` without trailing separators, keeping a drive root's ("C:\").
std::wstring WithoutTrailingSeparator(const std::wstring& path);

}  // namespace folvane
