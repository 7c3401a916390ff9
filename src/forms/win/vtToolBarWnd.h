#pragma once
// Tool bars: the bar from its section ("BAR" or "CHECKBOX" in dialogs,
// "TOOLBAR" for runtime tool bars) and each button from "TOOLBUTTON" in
// the state it shows, with its image-list glyph and text.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TBitmap;

class TvtToolBarWnd : public TvtPlainWnd {
 public:
  using TvtPlainWnd::TvtPlainWnd;
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;

 private:
  void PaintButton(TBitmap& image, int index, int hotIndex, POINT client);
  void PaintBorder();
};

// Runtime tool bars (the ThirdToolBar list).
class TvtToolBarVCLWnd : public TvtToolBarWnd {
 public:
  using TvtToolBarWnd::TvtToolBarWnd;
};

}  // namespace folvane
