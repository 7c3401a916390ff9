#include "runtime/win/Timer.h"

#include <exception>
#include <unordered_map>

#include "runtime/win/Application.h"
#include "runtime/win/HandleCount.h"

namespace folvane {
namespace {

// Thread timers carry only their id; this maps it back to the object.
std::unordered_map<UINT_PTR, TTimer*>& LiveTimers() {
  static std::unordered_map<UINT_PTR, TTimer*> timers;
  return timers;
}

}  // namespace

TTimer::~TTimer() { Stop(); }

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_)
    Start();
  else
    Stop();
}

void TTimer::SetInterval(UINT ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (enabled_) {
    Stop();
    Start();
  }
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

void TTimer::Start() {
  if (id_ || interval_ == 0) return;
  id_ = SetTimer(nullptr, 0, interval_, TimerProc);
  if (!id_) return;
  LiveTimers()[id_] = this;
  HandleCount::Created(HandleKind::Timer);
}

void TTimer::Stop() {
  if (!id_) return;
  KillTimer(nullptr, id_);
  LiveTimers().erase(id_);
  id_ = 0;
  HandleCount::Released(HandleKind::Timer);
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = LiveTimers().find(id);
  if (it == LiveTimers().end()) return;  // killed while its message waited
  // No exception may cross back into the system's dispatch.
  try {
    it->second->Timer();
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
}

}  // namespace folvane
