#include "shell/win/vtShellChangeNotifier.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "runtime/win/GlobalLock.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/Thread.h"

namespace folvane {

namespace {

// A kernel handle the live counts know about.
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE h = nullptr) { Reset(h); }
  ~KernelHandle() { Reset(); }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  void Reset(HANDLE h = nullptr) {
    if (h_) {
      CloseHandle(h_);
      HandleCount::Released(HandleKind::File);
    }
    h_ = h;
    if (h_) HandleCount::Created(HandleKind::File);
  }
  HANDLE Get() const { return h_; }

 private:
  HANDLE h_ = nullptr;
};

class ChangeHandle {
 public:
  ChangeHandle() = default;
  ~ChangeHandle() { Reset(); }
  ChangeHandle(const ChangeHandle&) = delete;
  ChangeHandle& operator=(const ChangeHandle&) = delete;
  bool Register(const std::wstring& dir, bool subTree, unsigned filters) {
    Reset();
    HANDLE h = FindFirstChangeNotificationW(dir.c_str(), subTree ? TRUE : FALSE, filters);
    if (h == INVALID_HANDLE_VALUE) return false;
    h_ = h;
    HandleCount::Created(HandleKind::File);
    return true;
  }
  void Reset() {
    if (!h_) return;
    FindCloseChangeNotification(h_);
    HandleCount::Released(HandleKind::File);
    h_ = nullptr;
  }
  HANDLE Get() const { return h_; }

 private:
  HANDLE h_ = nullptr;
};

}  // namespace

// Settings under the runtime's global lock; the callback is read and
// cleared only on the user-interface thread.
struct TvtShellChangeShared {
  // The mutex is made owned by the user-interface thread; releasing it, and
  // setting the wake event, make the worker look at `terminated` and the
  // settings at once.
  KernelHandle mutex{CreateMutexW(nullptr, TRUE, nullptr)};
  KernelHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  std::atomic<bool> terminated{false};
  TThreadMethod callback;
  std::wstring directory;
  bool watchSubTree = true;
  unsigned filterBits = 0;
  bool settingsChanged = false;
};

class TvtShellChangeThread : public TThread {
 public:
  explicit TvtShellChangeThread(std::shared_ptr<TvtShellChangeShared> shared)
      : shared_(std::move(shared)) {
    FreeOnTerminate = true;
  }

 protected:
  void Execute() override {
    ChangeHandle change;
    if (!Register(change)) return;
    HANDLE mutex = shared_->mutex.Get();
    while (!shared_->terminated) {
      const HANDLE waits[3] = {change.Get(), mutex, shared_->wake.Get()};
      const DWORD got = WaitForMultipleObjects(3, waits, FALSE, 1000);
      if (got == WAIT_OBJECT_0 + 1 || got == WAIT_ABANDONED_0 + 1) ReleaseMutex(mutex);
      if (shared_->terminated) break;
      if (got == WAIT_OBJECT_0) {
        ReportChange();
        FindNextChangeNotification(change.Get());
      }
      bool changed;
      {
        GlobalLockGuard lock;
        changed = shared_->settingsChanged;
      }
      if (changed && !Register(change)) return;
    }
  }

 private:
  bool Register(ChangeHandle& change) {
    GlobalLockGuard lock;
    shared_->settingsChanged = false;
    return change.Register(shared_->directory, shared_->watchSubTree, shared_->filterBits);
  }

  void ReportChange() {
    const std::shared_ptr<TvtShellChangeShared> shared = shared_;
    Synchronize([shared] {
      // Read on the user-interface thread, where the notifier clears it.
      if (TThreadMethod callback = shared->callback) callback();
    });
  }

  std::shared_ptr<TvtShellChangeShared> shared_;
};

TvtShellChangeNotifier::TvtShellChangeNotifier(TComponent* owner) : TComponent(owner) {}

TvtShellChangeNotifier::~TvtShellChangeNotifier() {
  if (!shared_) return;
  shared_->callback = nullptr;
  {
    GlobalLockGuard lock;
    shared_->settingsChanged = false;
  }
  shared_->terminated = true;
  // The worker wakes at once on the released mutex, then frees itself.
  ReleaseMutex(shared_->mutex.Get());
  shared_.reset();
}

void TvtShellChangeNotifier::SetOnChange(TThreadMethod callback) {
  onChange_ = std::move(callback);
  if (shared_) {
    shared_->callback = onChange_;
    return;
  }
  if (!onChange_) return;
  shared_ = std::make_shared<TvtShellChangeShared>();
  shared_->callback = onChange_;
  shared_->directory = root_;
  shared_->watchSubTree = watchSubTree_;
  shared_->filterBits = NotifyFilterBits(filters_);
  try {
    (new TvtShellChangeThread(shared_))->Start();
  } catch (...) {
    ReleaseMutex(shared_->mutex.Get());
    shared_.reset();
    throw;
  }
}

void TvtShellChangeNotifier::PassSettings() {
  if (!shared_) return;
  {
    GlobalLockGuard lock;
    shared_->directory = root_;
    shared_->watchSubTree = watchSubTree_;
    shared_->filterBits = NotifyFilterBits(filters_);
    shared_->settingsChanged = true;
  }
  SetEvent(shared_->wake.Get());
}

void TvtShellChangeNotifier::SetRoot(const TvtRoot& root) {
  if (SameText(root, root_)) return;
  root_ = root;
  PassSettings();
}

void TvtShellChangeNotifier::SetWatchSubTree(bool value) {
  watchSubTree_ = value;
  PassSettings();
}

void TvtShellChangeNotifier::SetNotifyFilters(TvtNotifyFilters filters) {
  filters_ = filters;
  PassSettings();
}

}  // namespace folvane
