#pragma once
// Tool bars: the bar from its section ("BAR" or "CHECKBOX" in dialogs,
// "TOOLBAR" for runtime tool bars) and each button from "TOOLBUTTON" in
// the state it shows, with its image-list glyph and text.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TBitmap;

class TvtToolBarWnd : public TvtMainWnd {
 public:
  TvtToolBarWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
                TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;

 private:
  void PaintInto(HDC dc);
  void PaintButton(TBitmap& image, int index, int hotIndex, POINT client);
  void PaintBorder();
};

// Runtime tool bars (the ThirdToolBar list).
class TvtToolBarVCLWnd : public TvtToolBarWnd {
 public:
  using TvtToolBarWnd::TvtToolBarWnd;
};

}  // namespace folvane
