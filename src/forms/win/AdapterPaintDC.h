#pragma once
// The device contexts window adapters paint through, each released however
// the painting is left.

#include <windows.h>

#include "forms/win/NonClientDC.h"

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

}  // namespace folvane
