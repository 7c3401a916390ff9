#pragma once
// TsStatusBar: the platform status bar painted from the skin's "STATUSBAR"
// section: the bar's face with its panels (or its one simple text), the
// dividers between them and the size grip, kept in the cache and copied
// to the screen.

#include <string>

#include "paint/win/sCommonData.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

class TsStatusBar : public TStatusBar {
 public:
  explicit TsStatusBar(TComponent* owner);
  ~TsStatusBar() override;
  const wchar_t* ClassName() const override { return L"TsStatusBar"; }

  TsCommonData SkinData;

  void RebuildCache();
  // The text a text area shows, shortened with "..." to `width` pixels in
  // the bar's font.
  std::wstring FittedText(const std::wstring& text, int width);

 protected:
  void Loaded() override;
  void WndProc(Message& m) override;

 private:
  bool HandleSkinCommand(Message& m);
  bool HandleSkinnedPaint(Message& m);
  void AfterPlatform(const Message& m);
  void PrepareCache();
  void PaintBarFace(const BackgroundInfo& behind);
  void PaintTextAreas();
  void PaintDivider(const PixelRect& area);
  void PaintAreaText(int panel, const PixelRect& area);
  void PaintGrip();
  void PaintClient(HDC dc);
  void PaintFrame();
  bool TransparentSection() const;
};

}  // namespace folvane
