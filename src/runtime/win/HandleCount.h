#pragma once
// Live counts of the handles the program owns, one per kind. GetGuiResources
// answers 0 under Wine, so long tests compare these before and after.

#include <array>
#include <cstddef>

namespace folvane {

enum class HandleKind : std::size_t {
  Window, Gdi, DeviceContext, Icon, Hook, Subclass, Timer, Com, File, Count
};

class HandleCount {
 public:
  static void Created(HandleKind kind) { ++counts()[index(kind)]; }
  static void Released(HandleKind kind) { --counts()[index(kind)]; }
  static long Live(HandleKind kind) { return counts()[index(kind)]; }
  using Snapshot = std::array<long, static_cast<std::size_t>(HandleKind::Count)>;
  static Snapshot Take() { return counts(); }

 private:
  static std::size_t index(HandleKind k) { return static_cast<std::size_t>(k); }
  static Snapshot& counts();
};

}  // namespace folvane
