#pragma once
// Live counts of the handles the program owns, one per kind. GetGuiResources
// answers 0 under Wine, so long tests compare these before and after.

#include <array>
#include <cstddef>
#include <vector>

namespace folvane {

enum class HandleKind : std::size_t {
  Window, Gdi, DeviceContext, Icon, Hook, Subclass, Timer, Com, File, Menu, Count
};

class HandleCount {
 public:
  static void Created(HandleKind kind) { ++counts()[index(kind)]; }
  static void Released(HandleKind kind) { --counts()[index(kind)]; }
  // Counts of what is alive. Process-wide caches (scratch bitmaps kept
  // between paints) are dropped first, so two counts differ only by objects
  // someone still holds.
  static long Live(HandleKind kind) {
    ReleaseCaches();
    return counts()[index(kind)];
  }
  using Snapshot = std::array<long, static_cast<std::size_t>(HandleKind::Count)>;
  static Snapshot Take() {
    ReleaseCaches();
    return counts();
  }
  // A cache that holds handles between uses registers how to drop them.
  static void AddCache(void (*release)());
  static void ReleaseCaches();

 private:
  static std::size_t index(HandleKind k) { return static_cast<std::size_t>(k); }
  static Snapshot& counts();
  static std::vector<void (*)()>& caches();
};

}  // namespace folvane
