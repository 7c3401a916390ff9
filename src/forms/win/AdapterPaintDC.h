#pragma once
// The device contexts window adapters paint through, each released however
// the painting is left.

#include <windows.h>

#include "runtime/win/HandleCount.h"

namespace folvane {

// BeginPaint/EndPaint, or a caller's DC (a WM_PAINT with a DC in wParam,
// as WM_PRINT sends it) that is used as it is.
class AdapterPaint {
 public:
  AdapterPaint(HWND wnd, WPARAM givenDC) : wnd_(wnd), dc_(reinterpret_cast<HDC>(givenDC)) {
    if (dc_) return;
    dc_ = BeginPaint(wnd_, &ps_);
    began_ = true;
  }
  ~AdapterPaint() {
    if (began_) EndPaint(wnd_, &ps_);
  }
  AdapterPaint(const AdapterPaint&) = delete;
  AdapterPaint& operator=(const AdapterPaint&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
  PAINTSTRUCT ps_{};
  bool began_ = false;
};

// GetWindowDC/ReleaseDC: the whole window, frame included.
class NonClientDC {
 public:
  explicit NonClientDC(HWND wnd) : wnd_(wnd), dc_(GetWindowDC(wnd)) {
    if (dc_) HandleCount::Created(HandleKind::DeviceContext);
  }
  ~NonClientDC() {
    if (!dc_) return;
    ReleaseDC(wnd_, dc_);
    HandleCount::Released(HandleKind::DeviceContext);
  }
  NonClientDC(const NonClientDC&) = delete;
  NonClientDC& operator=(const NonClientDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

}  // namespace folvane
