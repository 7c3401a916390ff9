#pragma once
// Size boxes ("scrollbar" windows of dialogs): the skin's grip over what
// lies behind the box, which always answers as the bottom-right corner.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TvtSizerWnd : public TvtMainWnd {
 public:
  TvtSizerWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
              TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;
};

}  // namespace folvane
