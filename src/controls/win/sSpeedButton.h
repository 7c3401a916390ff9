#pragma once
// TsSpeedButton: a windowless tool button with glyph and caption, painted
// by the skin engine into its cache and faded between looks by an
// animation timer. It can stay down (GroupIndex, AllowAllUp), act as a
// check button, or be a separator or a divider between others. One speed
// button on a parent shows the hover at a time.

#include <functional>

#include "controls/ButtonGlyph.h"
#include "controls/ButtonLayout.h"
#include "controls/win/sButtonLook.h"
#include "controls/win/sBitBtn.h"
#include "paint/DisabledLook.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sFade.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Control.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Menus.h"

namespace folvane {

enum class TToolButtonStyle {
  tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton
};

class TsSpeedButton : public TGraphicControl, public TsButtonLook {
 public:
  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;
  const wchar_t* ClassName() const override { return L"TsSpeedButton"; }
  // A button made in code (not by a form's loading) calls it once placed.
  void Loaded() override;

  TsCommonData SkinData;
  TvtAnimatEvents AnimatEvents = aeGlobalDef;
  TBmpPaintEvent OnPaint;
  bool Flat = false;

  // Buttons of one parent with the same GroupIndex (not 0) are down one at
  // a time; AllowAllUp lets the down one be clicked up again.
  int GroupIndex = 0;
  bool AllowAllUp = false;
  bool Down() const { return down_; }
  void SetDown(bool value);

  // The drop-down style has a 16-pixel arrow part at the right; pressing it
  // (or anywhere on a button without OnClick) opens DropdownMenu below the
  // button.
  TToolButtonStyle ButtonStyle() const { return style_; }
  void SetButtonStyle(TToolButtonStyle value);
  TPopupMenu* DropdownMenu = nullptr;
  bool MenuShowing() const { return menuShowing_; }
  // The glyph's transparent colour is each image's bottom-left pixel.
  void SetGlyph(TBitmap glyph, int numGlyphs = 1);
  const TBitmap& Glyph() const { return glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value);

  // 0 normal, 1 hot, 2 pressed (held by the mouse, or down).
  int PaintState() const;
  // Pressed by the mouse right now.
  bool Pressed() const { return pressed_; }
  const TsAnimTimer* Animation() const { return anim_.get(); }
  void Click() override;
  void Paint(HDC dc) override;
  void Invalidate() override;

 protected:
  void WndProc(Message& m) override;

 private:
  bool SkinCommand(Message& m);
  void MouseDown();
  void MouseUp(Message& m);
  void TakeHoverFromSiblings();
  void Animate(bool halve);
  void RepaintThroughParent();
  void AppearanceChanged();
  void LookChanged(LookPart part) override;
  bool NeedsRebuild() const;
  void RebuildCache();
  void ComposeButton(TBitmap& cache, int state, const BackgroundInfo& behind);
  void ComposeDivider(PixelBuffer& face, const BackgroundInfo& behind);
  void PaintCaptionAndGlyph(TBitmap& cache, int state);
  void PaintPlatform(HDC dc);
  ButtonGeometry Geometry() const;
  bool IsSeparatorLike() const;
  bool OpensMenu(int x) const;
  void ShowDropdownMenu();
  void PaintArrowPart(TBitmap& cache, const BackgroundInfo& behind);

  AnimTimerSlot anim_;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  int spacing_ = 4;
  int textOffset_ = 0;

  bool down_ = false;
  bool pressed_ = false;    // the left button went down on it
  bool dragOut_ = false;    // held, but the pointer left it
  bool menuShowing_ = false;
  bool* destroyed_ = nullptr;  // set while the drop-down menu shows
  int cachedState_ = -1;
  bool cachedDown_ = false;
  int cachedSpacing_ = 4;
  int cachedGlyphs_ = 1;
};

}  // namespace folvane
