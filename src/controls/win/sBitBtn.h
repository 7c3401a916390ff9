#pragma once
// TsBitBtn: a push button with glyph and caption whose face the skin
// engine paints. The platform button keeps the behaviour (pushed state,
// capture, Space, the click notification); every pixel comes from the
// button's cache, composed from the skin section for the paint state, and
// state changes cross-fade as the skin asks. Rounded skin corners are cut
// out of the window region. Without a skin the runtime's own drawing
// shows.

#include <functional>
#include <vector>

#include "controls/ButtonGlyph.h"
#include "controls/ButtonLayout.h"
#include "controls/win/sButtonLook.h"
#include "paint/DisabledLook.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sFade.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

// Called with the composed face before it is shown.
using TBmpPaintEvent = std::function<void(TControl* sender, TBitmap& bmp)>;

class TsBitBtn : public TBitBtn, public TsButtonLook {
 public:
  explicit TsBitBtn(TComponent* owner);
  ~TsBitBtn() override;
  const wchar_t* ClassName() const override { return L"TsBitBtn"; }
  // A button made in code (not by a form's loading) calls it once placed.
  void Loaded() override;

  TsCommonData SkinData;
  TvtAnimatEvents AnimatEvents = aeGlobalDef;
  // How far the focus frame lies outside the caption rectangle.
  int FocusMargin = 1;
  // Stored for the form description; the bit button does not use it.
  int TextOffset = 0;
  TBmpPaintEvent OnPaint;

  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  // Painted pressed while set.
  bool Down() const { return down_; }
  void SetDown(bool value);

  // 0 normal, 1 hot, 2 pressed.
  int PaintState() const;
  // The running fade, if any (tests look at it).
  const TsFadeTimer* Fade() const { return fade_.get(); }
  // The rectangle the caption was last drawn in (cache coordinates).
  RECT CaptionRect() const { return captionRect_; }
  RECT GlyphRectangle() const { return glyphRect_; }

 protected:
  void WndProc(Message& m) override;

 private:
  bool SkinCommand(Message& m);
  void SkinnedMessage(Message& m);
  void PlatformStep(Message& m, int event);
  void Transition(int event);
  void ReleaseTransition();
  void QuickClickFlash();
  void HintsOff();
  void HintsBack();
  bool ActiveDefault() const;
  bool NeedsRebuild() const;
  void RebuildCache();
  void PaintCaption(TBitmap& cache, int state, const ButtonGeometry& geometry);
  void PaintGlyph(TBitmap& cache, int state, const ButtonGeometry& geometry);
  void PaintBorder(PixelBuffer& face, const BackgroundInfo& behind, int state);
  void MeasureCaption(TBitmap& cache, ButtonGeometry& geometry);
  ButtonGeometry Geometry() const;
  void PaintTo(HDC dc);
  void ApplyRegion();
  void RemoveRegion();
  void StopFading();
  void AppearanceChanged();
  void LookChanged(LookPart part) override;
  void ImagesToGlyph();
  void DropImageGlyph();

  FadeTimerSlot fade_;
  bool showFocus_ = true;
  bool wordWrap_ = true;
  bool down_ = false;

  int cachedState_ = -1;    // the state the cache shows
  bool cachedFocused_ = false;
  int cachedSpacing_ = 0;
  bool forcedPressed_ = false;  // the pressed flash of a quick click
  bool holdPaint_ = false;      // the platform is changing its state
  bool pendingRelease_ = false;
  bool hintsOff_ = false;
  bool savedHints_ = true;
  bool regionPending_ = true;
  bool regionApplied_ = false;
  bool painted_ = false;
  bool glyphFromImages_ = false;
  RECT lastBounds_{};
  RECT captionRect_{};
  RECT glyphRect_{};
  std::vector<PixelRect> holes_;
};

}  // namespace folvane
