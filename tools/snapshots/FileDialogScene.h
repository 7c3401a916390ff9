#pragma once

namespace folvane {
class TForm1;
namespace snapshots {
// The icon field's file dialog, opened by its button.
void SnapFileDialog(TForm1& form);
}  // namespace snapshots
}  // namespace folvane

namespace folvane::snapshots {
// The warning of a damaged skin archive, raised by a skin change while the
// skin is active.
void SnapDamagedSkinWarning(TForm1& form);
}  // namespace folvane::snapshots
