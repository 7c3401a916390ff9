#include "paint/win/sFade.h"

#include <algorithm>
#include <cstring>

#include "paint/Blends.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Application.h"
#include "runtime/win/Control.h"
#include "runtime/win/Handles.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {
namespace {

bool ApplicationTerminating() { return Application && Application->Terminated(); }

// A 24-bit copy of `source` (the same size, whatever its format).
void CopyInto(TBitmap& target, const TBitmap& source) {
  if (target.Width() != source.Width() || target.Height() != source.Height() || target.Empty())
    target = TBitmap(source.Width(), source.Height(), PixelFormat::Bgr24);
  if (source.Empty() || target.Empty()) return;
  GdiFlush();
  PixelBuffer& to = target.Pixels();
  const PixelBuffer& from = source.Pixels();
  for (int y = 0; y < from.Height(); ++y) {
    if (from.Format() == PixelFormat::Bgr24) {
      std::memcpy(to.Row(y), from.Row(y), static_cast<size_t>(from.Width()) * 3);
    } else {
      for (int x = 0; x < from.Width(); ++x) to.SetColor(x, y, from.GetColor(x, y));
    }
  }
}

// The old face blended with the owner's cache by the step's factor.
void BlendStep(TBitmap& frame, const TBitmap& start, const TBitmap* cache, int step,
               int stepCount) {
  CopyInto(frame, start);
  if (cache && !cache->Empty()) BlendBitmaps(frame.Pixels(), cache->Pixels(), FadeFactor(step, stepCount));
}

int Iterations(const TsGeneralData& section, bool halve) {
  const int n = std::max(0, section.FadingIterations);
  return halve ? n / 2 : n;
}

bool SectionFades(const TsCommonData& data) {
  const TsGeneralData* section = data.Section();
  return section && section->FadingEnabled;
}

}  // namespace

bool EventAnimated(int event, TvtAnimatEvents events) {
  if (event < 0 || event > 3) return false;
  const unsigned bit = 1u << event;  // aeMouseEnter ... and beMouseEnter ... share bits
  if (events & bit) return true;
  return (events & aeGlobalDef) && (DefaultButtonEvents() & bit);
}

// --- TsFadeTimer

TsFadeTimer::TsFadeTimer(TsCommonData& data) : Data(&data) { SetInterval(kFadeInterval); }

TsFadeTimer::~TsFadeTimer() { *alive_ = false; }

void TsFadeTimer::SetDirection(int direction) {
  direction_ = direction;
  SetEnabled(direction != 0);
}

void TsFadeTimer::Timer() {
  TControl* owner = Data ? Data->HostControl() : nullptr;
  if (!owner || owner->Destroying() || ApplicationTerminating()) {
    SetDirection(0);
    return;
  }
  if (StepCount < Step || Step < 0) {
    // The owner stops the fade (and may free this timer) and shows its
    // final face.
    SendSkinCommand(owner, SKC_STOPANIMATION);
    return;
  }
  if (direction_ == 1 || direction_ == 2) RunStep(owner);
}

void TsFadeTimer::RunStep(TControl* owner) {
  if (StepCount == 0) return;
  if (!owner->Enabled()) {
    // A disabled control shows its disabled face at once.
    SetEnabled(false);
    StepCount = 0;
    Data->Invalidate();
    return;
  }
  const std::shared_ptr<bool> alive = alive_;
  BlendStep(frame_, StartImage, Data->CacheBitmap(), Step, StepCount);
  try {
    ShowFrame(owner);
  } catch (...) {
    if (*alive) ++Step;  // the fade goes on even when a frame could not be shown
    throw;
  }
  if (*alive) ++Step;
}

void TsFadeTimer::ShowFrame(TControl* owner) {
  if (SendSkinCommand(owner, SKC_SHOWFADEFRAME, reinterpret_cast<LPARAM>(&frame_)) != 0) return;
  if (frame_.Empty()) return;
  if (owner->IsWindowed()) {
    auto* w = static_cast<TWinControl*>(owner);
    if (!w->HandleAllocated()) return;
    WindowDC dc(w->Handle());
    BitBlt(dc.Get(), 0, 0, frame_.Width(), frame_.Height(), frame_.DC(), 0, 0, SRCCOPY);
  } else if (owner->Parent() && owner->Parent()->HandleAllocated()) {
    WindowDC dc(owner->Parent()->Handle());
    BitBlt(dc.Get(), owner->Left(), owner->Top(), frame_.Width(), frame_.Height(), frame_.DC(),
           0, 0, SRCCOPY);
  }
}

void StartFade(FadeTimerSlot& slot, TsCommonData& data, bool halve, int direction) {
  const TsGeneralData* section = data.Section();
  if (!section || !section->FadingEnabled) return;
  if (!slot) slot = std::make_unique<TsFadeTimer>(data);
  TsFadeTimer& timer = *slot;
  const int shown = timer.Direction() != 0 && !timer.Frame().Empty() ? timer.Step - 1 : 0;
  timer.SetEnabled(false);
  timer.Data = &data;
  timer.SetInterval(kFadeInterval);
  timer.StepCount = Iterations(*section, halve);
  if (shown > 0) {
    // The running fade is taken over where it stands: from its last frame,
    // going back (or on) as far as it had come.
    CopyInto(timer.StartImage, timer.Frame());
    timer.StepCount = std::min(timer.StepCount, shown);
  } else if (data.CacheBitmap()) {
    CopyInto(timer.StartImage, *data.CacheBitmap());
  }
  timer.Step = 1;
  SendSkinCommand(data.HostControl(), SKC_REBUILDIMAGE);
  timer.SetDirection(direction);
}

void StopFade(FadeTimerSlot& slot) {
  if (!slot) return;
  slot->SetDirection(0);
  slot.reset();
}

void ChangeStateAnimated(FadeTimerSlot& slot, TsCommonData& data, bool halve, int direction,
                         bool allowed) {
  if (!data.IsSkinned()) return;
  const bool canFade =
      allowed && !SkinLoading && SectionFades(data) && data.CacheBitmap() && !data.BackgroundChanged;
  data.BackgroundChanged = true;
  if (canFade) {
    StartFade(slot, data, halve, direction);
    return;
  }
  StopFade(slot);
  if (TControl* owner = data.HostControl()) owner->Repaint();
}

// --- TsAnimTimer

TsAnimTimer::TsAnimTimer(TsCommonData& data) : Data(&data) { SetInterval(kFadeInterval); }

TsAnimTimer::~TsAnimTimer() { *alive_ = false; }

void TsAnimTimer::Timer() {
  TControl* owner = Data ? Data->HostControl() : nullptr;
  if (!owner || owner->Destroying() || ApplicationTerminating()) {
    SetEnabled(false);
    return;
  }
  if (Step < 0 || Step > StepCount) {
    SetEnabled(false);
    SendSkinCommand(owner, SKC_STOPANIMATION);
    return;
  }
  if (!owner->Enabled()) {
    // Disabled in the middle: stop and show the current face.
    SetEnabled(false);
    Step = StepCount + 1;
    Data->Invalidate();
    return;
  }
  const std::shared_ptr<bool> alive = alive_;
  if (!Busy && StepCount != 0 && Step >= 0) {
    Busy = true;
    BlendStep(FrameImage, StartImage, Data->CacheBitmap(), Step, StepCount);
    TWinControl* parent = owner->Parent();
    SendSkinCommand(parent, SKC_SETPAINTEDCHILD, reinterpret_cast<LPARAM>(owner));
    SendSkinCommand(owner, SKC_SETUPDATING, 0, 0);
    owner->Repaint();
    SendSkinCommand(parent, SKC_SETPAINTEDCHILD, 0);
    if (!*alive) return;
    Busy = false;
  }
  ++Step;
}

void StartAnimation(AnimTimerSlot& slot, TsCommonData& data, bool halve) {
  int stepsLeft = 1;
  if (slot && slot->Enabled()) stepsLeft = slot->StepCount - slot->Step;
  slot.reset();
  const TsGeneralData* section = data.Section();
  if (!section || !section->FadingEnabled) return;
  auto timer = std::make_unique<TsAnimTimer>(data);
  timer->StepCount = Iterations(*section, halve);
  // A reversal in the middle takes as many steps as the last one had left.
  timer->Step = std::clamp(stepsLeft, 1, std::max(1, timer->StepCount));
  if (data.CacheBitmap()) CopyInto(timer->StartImage, *data.CacheBitmap());
  TsAnimTimer& started = *timer;
  slot = std::move(timer);
  SendSkinCommand(data.HostControl(), SKC_REBUILDIMAGE);
  data.RefreshCornersFromParent(1, kAllCorners);
  if (slot.get() != &started) return;  // replaced while repainting
  started.SetEnabled(true);
  started.Tick();
}

}  // namespace folvane
