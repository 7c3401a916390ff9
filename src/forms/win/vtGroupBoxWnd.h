#pragma once
// Group boxes: the section's frame from half the caption's height down and
// the caption over what lies behind the box. The windows inside the box
// are left out of its painting.

#include "forms/win/vtMainWnd.h"
#include "paint/PixelGeometry.h"

namespace folvane {

class TvtGroupBoxWnd : public TvtMainWnd {
 public:
  TvtGroupBoxWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
                 TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

  int CaptionHeight() const;

 protected:
  void PaintImage() override;

 private:
  void Paint(WPARAM givenDC);
  SIZE CaptionTextSize() const;
};

// Copies what lies behind an image into `rect` of it (`behind` offsets at
// the image's origin).
void CopyBehind(class TBitmap& image, const BackgroundInfo& behind, const PixelRect& rect);

}  // namespace folvane
