#pragma once
// Edits and list boxes: the border from the adapter's image (in the hot
// look while focused or hovered) and the client in the section's colours,
// given through the colour question the window asks its parent (which the
// runtime passes back to the window).
// The scroll bars are the skinned ones of TvtScrollWnd.

#include "forms/win/vtBaseWnd.h"
#include "runtime/win/Graphics.h"

namespace folvane {

class TvtEditWnd : public TvtBaseWnd {
 public:
  TvtEditWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
             TsCommonData* skinData = nullptr)
      : TvtBaseWnd(wnd, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

  // The colours the client is painted in.
  TColor ClientColor() const;
  TColor TextColor() const;

 protected:
  int PaintState() const override;

 protected:
  void PaintFrame(HDC into);
  void RedrawFrame();
  LRESULT AnswerColors(HDC dc);

  BrushHandle brush_;
  TColor brushColor_ = 0;
};

}  // namespace folvane
