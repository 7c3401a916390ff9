#pragma once
// The skinned popup menu scenes: a test popup of every item kind with a
// cascading submenu open, and the same popup with the extra line.

namespace folvane {
class TForm1;
namespace snapshots {
void SnapshotMenus(TForm1* form);
}  // namespace snapshots
}  // namespace folvane
