#pragma once
// A window timer whose ticks arrive through the message loop (WM_TIMER,
// dispatched to a callback). The object owns the system timer: destroying
// it kills the timer, so a timer held by a control never outlives it.
// Live timers are counted under HandleKind::Timer.

#include <windows.h>

#include <functional>

namespace folvane {

class TTimer {
 public:
  TTimer() = default;
  virtual ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return enabled_; }
  // Starts or stops the system timer; disabled, no tick arrives.
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  // A running timer restarts with the new interval.
  void SetInterval(UINT ms);

  std::function<void(TTimer*)> OnTimer;

  // One tick, as the message loop delivers it; tests call it directly to
  // step a timer without waiting.
  void Tick() { Timer(); }

 protected:
  // What a tick does: OnTimer by default. The object may be destroyed by
  // what the tick does (a fade stopped by its owner); nothing touches it
  // after Timer returns.
  virtual void Timer();

 private:
  void Start();
  void Stop();
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

  bool enabled_ = false;
  UINT interval_ = 1000;
  UINT_PTR id_ = 0;
};

}  // namespace folvane
