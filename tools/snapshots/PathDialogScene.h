#pragma once

namespace folvane::snapshots {

// The folder dialog with a deep folder selected, its branch expanded.
void PathDialogScene();

}  // namespace folvane::snapshots
