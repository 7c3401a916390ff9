#pragma once

namespace folvane {
class TForm1;
namespace snapshots {
// The icon field's file dialog, opened by its button.
void SnapFileDialog(TForm1& form);
}  // namespace snapshots
}  // namespace folvane
