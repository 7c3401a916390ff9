#pragma once
// The runtime's one process-wide lock, for the little state a worker thread
// shares with the user-interface thread. Recursive, so a holder may call
// code that takes it again.

namespace folvane {

void GlobalLock();
void GlobalUnlock();

class GlobalLockGuard {
 public:
  GlobalLockGuard() { GlobalLock(); }
  ~GlobalLockGuard() { GlobalUnlock(); }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
};

}  // namespace folvane
