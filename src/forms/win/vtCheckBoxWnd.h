#pragma once
// Check boxes and radio buttons: the section's background, the skin's glyph
// for the check state beside the text, the focus frame and the disabled
// look.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TvtCheckBoxWnd : public TvtMainWnd {
 public:
  TvtCheckBoxWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
                 TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

  // The glyph the window shows now ("BOXCHECKED" ...).
  const char* GlyphName() const;

 protected:
  void PaintImage() override;

 private:
  void Paint(WPARAM givenDC);
};

}  // namespace folvane
