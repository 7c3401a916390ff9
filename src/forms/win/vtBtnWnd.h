#pragma once
// Push buttons: TvtBtnWnd paints a button from its section in the state its
// window shows (pressed, focused, hot, default), with its caption, the
// keyboard focus frame and the disabled look; TvtBitBtnWnd adds the glyph
// of a button with a picture.

#include "forms/win/vtMainWnd.h"
#include "paint/PixelGeometry.h"

namespace folvane {

class TBitmap;

class TvtBtnWnd : public TvtMainWnd {
 public:
  TvtBtnWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
            TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

 protected:
  int PaintState() const override;
  void PaintImage() override;
  // The glyph beside the caption; none for plain buttons.
  virtual SIZE GlyphSize() const { return {0, 0}; }
  virtual void DrawGlyph(TBitmap&, PixelPoint, bool /*enabled*/) {}
  void Paint(WPARAM givenDC);

 private:
  bool HandleLookChange(Message& m);
  void ShowHover(bool hovered);
};

class TvtBitBtnWnd : public TvtBtnWnd {
 public:
  using TvtBtnWnd::TvtBtnWnd;

 protected:
  SIZE GlyphSize() const override;
  void DrawGlyph(TBitmap& image, PixelPoint at, bool enabled) override;
};

}  // namespace folvane
