#include "runtime/win/HandleCount.h"

namespace folvane {

HandleCount::LiveCounts& HandleCount::counts() {
  static LiveCounts live{};
  return live;
}

std::vector<void (*)()>& HandleCount::caches() {
  static std::vector<void (*)()> list;
  return list;
}

void HandleCount::AddCache(void (*release)()) {
  for (auto* known : caches())
    if (known == release) return;
  caches().push_back(release);
}

void HandleCount::ReleaseCaches() {
  for (auto* release : caches()) release();
}

}  // namespace folvane
