#pragma once
// Live counts of the handles the program owns, one per kind. GetGuiResources
// answers 0 under Wine, so long tests compare these before and after.

#include <array>
#include <atomic>
#include <cstddef>
#include <vector>

namespace folvane {

enum class HandleKind : std::size_t {
  Window, Gdi, DeviceContext, Icon, Hook, Subclass, Timer, Com, File, Menu, Count
};

class HandleCount {
 public:
  // Atomic: a worker thread owns handles of its own.
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
    Snapshot now{};
    for (std::size_t i = 0; i < now.size(); ++i) now[i] = counts()[i];
    return now;
  }
  // A cache that holds handles between uses registers how to drop them.
  static void AddCache(void (*release)());
  static void ReleaseCaches();

 private:
  static std::size_t index(HandleKind k) { return static_cast<std::size_t>(k); }
  using LiveCounts = std::array<std::atomic<long>, static_cast<std::size_t>(HandleKind::Count)>;
  static LiveCounts& counts();
  static std::vector<void (*)()>& caches();
};

}  // namespace folvane
