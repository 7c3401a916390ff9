#pragma once

#include <string>

#include "app/ShellChange.h"

namespace folvane {

// Tells the shell that a folder operation changed a folder, so that open
// views show the new look without a restart. Never fails: a lost
// notification leaves only a stale view.
class ShellNotifier {
 public:
  virtual ~ShellNotifier() = default;
  virtual void FolderChanged(const std::wstring& folderText, IniChange ini) noexcept = 0;
};

}  // namespace folvane
