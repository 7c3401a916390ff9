#pragma once
// A worker thread object. The worker may run a call on the user-interface
// thread and wait for it there (Synchronize), so the call never runs beside
// the user interface. A thread with FreeOnTerminate frees itself when its
// work ends; nobody may wait for it or touch it after Start.

#include <windows.h>

#include <atomic>
#include <functional>

namespace folvane {

class TThread {
 public:
  // The thread exists at once but runs only after Start.
  TThread();
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  void Start();
  // Asks the work to end; Execute looks at Terminated.
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  bool FreeOnTerminate = false;
  // Waits until the work has ended (not for self-freeing threads).
  void WaitFor();
  DWORD ThreadId() const { return id_; }

  // Runs `call` on the user-interface thread (at once when called there) and
  // returns when it has run. The user-interface thread must keep handling
  // messages; an error the call raises goes to the application's error
  // report there.
  static void Synchronize(const std::function<void()>& call);

 protected:
  virtual void Execute() = 0;

 private:
  static DWORD WINAPI ThreadProc(void* self);

  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> started_{false};
};

}  // namespace folvane
