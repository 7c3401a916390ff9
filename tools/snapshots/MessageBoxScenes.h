#pragma once
#include <windows.h>

namespace folvane::snapshots {
// Message boxes with each icon and button set, as the dialog skinning
// draws them.
void SnapMessageBoxes(HWND owner);
}  // namespace folvane::snapshots
