#include "forms/win/vtBaseWnd.h"

namespace folvane {

void TvtBaseWnd::HandleMessage(Message& m) {
  TvtScrollWnd::HandleMessage(m);
  if (Released() || !IsWindow(Handle())) return;
  switch (m.msg) {
    case WM_SIZE:
    case WM_ENABLE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case CM_ENABLEDCHANGED:
      if (!ThumbTracking) UpdateScrollInfo(true);
      break;
    default:
      break;
  }
}

}  // namespace folvane
