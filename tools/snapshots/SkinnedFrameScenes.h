#pragma once
// Whole-window snapshots of skinned frames: the main window active and
// inactive, its window menu open, a hovered and a pressed close button,
// and a sizeable tool window with a size grip.

namespace folvane {
class TForm1;
}

namespace folvane::snapshots {

void SkinnedFrameScenes(TForm1* form);

}  // namespace folvane::snapshots
