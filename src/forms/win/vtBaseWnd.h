#pragma once
// TvtBaseWnd: the base of list-like windows. Size, enable and scroll
// messages change what the bars show, so the bars are read again and
// painted after the window has handled them.

#include "forms/win/vtScrollWnd.h"

namespace folvane {

class TvtBaseWnd : public TvtScrollWnd {
 public:
  using TvtScrollWnd::TvtScrollWnd;
  void HandleMessage(Message& m) override;
};

}  // namespace folvane
