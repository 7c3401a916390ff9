#pragma once
// Size boxes ("scrollbar" windows of dialogs): the skin's grip over what
// lies behind the box, which always answers as the bottom-right corner.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TvtSizerWnd : public TvtPlainWnd {
 public:
  using TvtPlainWnd::TvtPlainWnd;
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;
};

}  // namespace folvane
