#pragma once
// Status bars: the bar from its section, each panel framed with the
// section's "STATUSPANELMASK" and separated by "DIVIDER", the panel texts
// in the section's colours, and the size grip from "GRIPIMAGE".

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TBitmap;

class TvtStatusBarWnd : public TvtMainWnd {
 public:
  TvtStatusBarWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
                  TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;

 private:
  void PaintInto(HDC dc);
  void PaintPanel(TBitmap& image, RECT r, const std::wstring& text, bool last);
  void PaintGrip(TBitmap& image);
};

}  // namespace folvane
