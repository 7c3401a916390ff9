#pragma once

#include <memory>

#include "app/FolderPlatform.h"

namespace folvane {

// The folder operations' platform over the Windows file system, with our own
// private-profile editor in place of the system's (Windows build only).
std::unique_ptr<FolderPlatform> MakeWindowsFolderPlatform();

}  // namespace folvane
