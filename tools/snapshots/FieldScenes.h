#pragma once
// The main window's skinned fields in the states that show them: the
// info-tip field focused and disabled, and the status line with a text
// longer than it.

namespace folvane {
class TForm1;
}

namespace folvane::snapshots {

void SnapFieldScenes(TForm1& form);

}  // namespace folvane::snapshots
