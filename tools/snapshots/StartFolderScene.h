#pragma once

#include <string>

namespace folvane::snapshots {

// main-start-folder.png and main-start-missing-folder.png.
void SnapStartFolders(const std::wstring& iconFile);

}  // namespace folvane::snapshots
