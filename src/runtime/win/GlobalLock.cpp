#include "runtime/win/GlobalLock.h"

#include <mutex>

namespace folvane {

namespace {

std::recursive_mutex& TheLock() {
  static std::recursive_mutex lock;
  return lock;
}

}  // namespace

void GlobalLock() { TheLock().lock(); }
void GlobalUnlock() { TheLock().unlock(); }

}  // namespace folvane
