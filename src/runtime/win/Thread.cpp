#include "runtime/win/Thread.h"

#include "runtime/win/Application.h"
#include "runtime/win/Control.h"
#include "runtime/win/HandleCount.h"

namespace folvane {

namespace {

UINT SyncMessage() {
  static const UINT message = RegisterWindowMessageW(L"FolvaneThreadSynchronize");
  return message;
}

// The application whose window runs synchronized calls, and the thread it
// belongs to; set up on that thread when the first worker is made.
TApplication* g_syncApplication = nullptr;
DWORD g_uiThread = 0;

void EnsureSyncHook() {
  if (!Application || g_syncApplication == Application) return;
  g_syncApplication = Application;
  g_uiThread = GetCurrentThreadId();
  const UINT message = SyncMessage();
  Application->HookMainWindow([message](Message& m) {
    if (m.msg != message) return false;
    (*reinterpret_cast<const std::function<void()>*>(m.lParam))();
    return true;
  });
}

}  // namespace

TThread::TThread() {
  EnsureSyncHook();
  handle_ = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &id_);
  if (!handle_) throw EOSError("Thread not created");
  HandleCount::Created(HandleKind::File);
}

TThread::~TThread() {
  if (!handle_) return;
  if (!started_) {
    // A thread that never ran is let go without its work.
    terminated_ = true;
    ResumeThread(handle_);
    WaitForSingleObject(handle_, INFINITE);
  }
  CloseHandle(handle_);
  HandleCount::Released(HandleKind::File);
}

void TThread::Start() {
  if (started_) return;
  started_ = true;
  ResumeThread(handle_);
}

void TThread::WaitFor() {
  if (handle_ && started_ && !FreeOnTerminate) WaitForSingleObject(handle_, INFINITE);
}

DWORD WINAPI TThread::ThreadProc(void* self) {
  auto* thread = static_cast<TThread*>(self);
  if (!thread->started_) return 0;  // released unstarted by the destructor
  try {
    thread->Execute();
  } catch (...) {
    // A worker's failure ends only its work.
  }
  if (thread->FreeOnTerminate) delete thread;
  return 0;
}

void TThread::Synchronize(const std::function<void()>& call) {
  if (g_uiThread && GetCurrentThreadId() == g_uiThread) {
    call();
    return;
  }
  // Without the application's window there is nobody to run it.
  if (!g_syncApplication || g_syncApplication != Application) return;
  // A sent message runs on the window's thread while the sender waits.
  SendMessageW(g_syncApplication->Handle(), SyncMessage(), 0, reinterpret_cast<LPARAM>(&call));
}

}  // namespace folvane
