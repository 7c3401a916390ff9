#pragma once
// State-change fades of skinned buttons and the window fade of forms.
// A button's old face cross-fades into its new one over FadingIterations
// steps of a 10 ms window timer: TsFadeTimer for windowed buttons (each
// frame offered to the owner with SKC_SHOWFADEFRAME), TsAnimTimer for
// graphic ones (the owner paints FrameImage while it runs). Timers live in
// a slot of their owner (a unique_ptr member), so none outlives its owner.

#include <windows.h>

#include <memory>

#include "paint/FadeSteps.h"
#include "paint/win/WindowFade.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Timer.h"

namespace folvane {

class TControl;
class TsCommonData;

// The per-control AnimatEvents set.
enum TvtAnimatEvent : unsigned {
  aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8, aeGlobalDef = 16
};
using TvtAnimatEvents = unsigned;

// Events: 0 mouse enter, 1 mouse leave, 2 mouse down, 3 mouse up.
enum ButtonEvent : int { kEventMouseEnter = 0, kEventMouseLeave, kEventMouseDown, kEventMouseUp };
// True when the control's set holds the event, or holds aeGlobalDef and the
// default manager's Buttons.Events holds it.
bool EventAnimated(int event, TvtAnimatEvents events);

// Milliseconds between two steps of every button fade.
constexpr UINT kFadeInterval = 10;

class TsFadeTimer : public TTimer {
 public:
  explicit TsFadeTimer(TsCommonData& data);
  ~TsFadeTimer() override;

  // 0 idle (the timer stops), 1 or 2 running.
  int Direction() const { return direction_; }
  void SetDirection(int direction);

  TsCommonData* Data = nullptr;
  int StepCount = 0;
  int Step = 0;
  TBitmap StartImage;  // the old face, 24-bit
  // The frame shown last (empty before the first step).
  TBitmap& Frame() { return frame_; }

 protected:
  void Timer() override;

 private:
  void RunStep(TControl* owner);
  void ShowFrame(TControl* owner);

  int direction_ = 0;
  TBitmap frame_;
  // Cleared when the timer goes, so a tick whose owner frees the timer
  // (SKC_STOPANIMATION) knows not to touch it again.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
using FadeTimerSlot = std::unique_ptr<TsFadeTimer>;

// A windowed button's state change. Fades when allowed, no skin is being
// loaded, the section has FadingEnabled, the cache exists and is current;
// otherwise stops any fade and repaints the owner at once.
void ChangeStateAnimated(FadeTimerSlot& slot, TsCommonData& data, bool halve, int direction,
                         bool allowed);
// Starts a fade from the owner's current cache to the face it repaints on
// SKC_REBUILDIMAGE. A fade started while one runs continues from the frame
// on screen, over as many steps as the running one has shown, so a reversal
// shows no jump. Nothing without FadingEnabled.
void StartFade(FadeTimerSlot& slot, TsCommonData& data, bool halve, int direction);
// Stops the fade and frees its timer.
void StopFade(FadeTimerSlot& slot);

class TsAnimTimer : public TTimer {
 public:
  explicit TsAnimTimer(TsCommonData& data);
  ~TsAnimTimer() override;

  bool Busy = false;
  TsCommonData* Data = nullptr;
  int StepCount = 0;
  int Step = 0;
  TBitmap StartImage;
  // The face the owner shows while the animation runs.
  TBitmap FrameImage;

 protected:
  void Timer() override;

 private:
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
using AnimTimerSlot = std::unique_ptr<TsAnimTimer>;

// A graphic button's hover change: the steps left of a running animation
// carry over, the old timer goes; with FadingEnabled a new one starts from
// the current cache and runs its first step at once.
void StartAnimation(AnimTimerSlot& slot, TsCommonData& data, bool halve);

}  // namespace folvane
