#pragma once
// GetWindowDC/ReleaseDC: a device context over the whole window, frame
// included, with its origin at the window's top-left.

#include <windows.h>

#include "runtime/win/HandleCount.h"

namespace folvane {

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
