#pragma once
// The main window's folder and icon fields: skinned frames and browse
// buttons, idle, hovered and pressed.

namespace folvane {
class TForm1;
namespace snapshots {
void SnapComboEdits(TForm1& form);
}  // namespace snapshots
}  // namespace folvane
