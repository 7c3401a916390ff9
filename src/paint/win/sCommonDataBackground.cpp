// What lies behind a control: colours, the plain-background flag, and the
// background request that travels up the parent chain.
#include <algorithm>

#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sCommonDataChain.h"
#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

void FillWithColor(HDC dc, const RECT& r, TColor color) {
  if (!dc) return;
  BrushHandle brush(CreateSolidBrush(ConvertColor(color) & 0xFFFFFF));
  FillRect(dc, &r, brush.Get());
}

void AnswerColor(BackgroundRequest& r, TColor color) {
  r.Kind = kBackgroundColor;
  r.Bitmap = nullptr;
  r.Color = color;
  if (r.PaintInto) FillWithColor(r.DC, r.Rect, color);
}

// A receiver's command-21 colour; 0 and KeyColor mean that it has none and
// its own colour stands.
TColor AskedColor(LRESULT answer, TColor own) {
  const TColor c = static_cast<TColor>(answer);
  return c == 0 || c == KeyColor ? ConvertColor(own) : c;
}

TColor ColorOfParent(TControl* parent) {
  ParentChainStep step;
  if (!step.Allowed()) return ConvertColor(parent->Color());
  return AskedColor(SendSkinCommand(parent, SKC_GETBGCOLOR, KeyColor), parent->Color());
}

TColor GlobalColor() {
  TsSkinManager* primary = TsSkinManager::PrimaryManager();
  return primary ? primary->Model().GlobalBackColor() : ConvertColor(clBtnFace);
}

TColor OwnColorOfWindow(HWND wnd) {
  if (TControl* c = TWinControl::FromHandle(wnd)) return ConvertColor(c->Color());
  return ConvertColor(clBtnFace);
}

// The position of a child window inside its parent's client area.
POINT PositionInParent(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  POINT p{r.left, r.top};
  ScreenToClient(GetParent(wnd), &p);
  return p;
}

// Sends the request on to `ask` for an owner lying at `at` inside it. A
// request painted into a DC is read at the owner's place, so its offsets
// move before it goes; a returned bitmap moves after it comes back.
template <typename Target>
void ForwardRequest(Target ask, POINT at, BackgroundRequest& r) {
  if (r.PaintInto) {
    r.OffsetX += at.x;
    r.OffsetY += at.y;
    RequestBackground(ask, r);
    return;
  }
  RequestBackground(ask, r);
  if (r.Kind == kBackgroundBitmap) {
    r.OffsetX += at.x;
    r.OffsetY += at.y;
  }
}

int BorderSum(const SkinModel& model, int maskIndex) {
  if (!model.MaskIndexValid(maskIndex)) return 0;
  return model.SliceWidthLeft(maskIndex) + model.SliceWidthTop(maskIndex) +
         model.SliceWidthRight(maskIndex) + model.SliceWidthBottom(maskIndex);
}

}  // namespace

void RequestBackground(TControl* control, BackgroundRequest& request) {
  request.Kind = kBackgroundUnanswered;
  if (!control) {
    AnswerColor(request, GlobalColor());
    return;
  }
  ParentChainStep step;
  if (step.Allowed())
    SendSkinCommand(control, SKC_GETBACKGROUND, reinterpret_cast<LPARAM>(&request));
  if (request.Kind != kBackgroundUnanswered) return;
  const LRESULT answer = step.Allowed() ? SendSkinCommand(control, SKC_GETBGCOLOR, KeyColor) : 0;
  AnswerColor(request, AskedColor(answer, control->Color()));
}

void RequestBackground(HWND wnd, BackgroundRequest& request) {
  request.Kind = kBackgroundUnanswered;
  ParentChainStep step;
  // The record is written by the receiver: only windows of ours get it.
  if (step.Allowed())
    SendSkinQuery(wnd, SKC_GETBACKGROUND, reinterpret_cast<LPARAM>(&request));
  if (request.Kind != kBackgroundUnanswered) return;
  const LRESULT answer = step.Allowed() ? SendSkinQuery(wnd, SKC_GETBGCOLOR, KeyColor) : 0;
  const TColor c = static_cast<TColor>(answer);
  AnswerColor(request, c == 0 || c == KeyColor ? OwnColorOfWindow(wnd) : c);
}

BackgroundInfo BackgroundFromAnswer(const BackgroundRequest& answer) {
  if (answer.Kind == kBackgroundBitmap && answer.Bitmap && !answer.Bitmap->Empty() &&
      answer.Bitmap->Pixels().Format() == PixelFormat::Bgr24)
    return BitmapBackground(answer.Bitmap->Pixels(), answer.OffsetX, answer.OffsetY);
  return ColorBackground(ConvertColor(answer.Color));
}

// --- colours

TColor TsCommonData::ControlBackColor(bool hot) const {
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  if (!s) return OwnerColor();
  const int t = hot ? s->HotTransparency : s->Transparency;
  const TColor own = ConvertColor(hot ? s->HotColor : s->Color);
  if (t <= 0) return customColor_ ? OwnerColor() : own;
  TColor behind;
  if (!hostControl_) {
    behind = providerForm_ ? ConvertColor(providerForm_->Color()) : clBtnFace;
  } else if (TWinControl* parent = hostControl_->Parent()) {
    behind = ColorOfParent(parent);
  } else {
    behind = ConvertColor(hostControl_->Color());
  }
  if (t >= 100) return behind;
  return LerpColors(behind, own, t / 100.0);
}

// The answer to SKC_GETBGCOLOR: the parent takes T percent, in the
// integer form the skin commands have always used.
TColor TsCommonData::BackgroundColorAnswer() const {
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  if (!s) return ConvertColor(OwnerColor());
  const TColor own = ConvertColor(s->Color);
  const int t = std::clamp(s->Transparency, 0, 100);
  if (t == 0) return own;
  TWinControl* parent = OwnerParent();
  const TColor behind = parent ? ColorOfParent(parent) : ConvertColor(OwnerColor());
  if (t == 100) return behind;
  const int f = t * 255 / 100;
  auto mix = [f](int p, int o) { return static_cast<std::uint8_t>(((p - o) * f + o * 256) >> 8); };
  return RgbColor(mix(RedOf(behind), RedOf(own)), mix(GreenOf(behind), GreenOf(own)),
                  mix(BlueOf(behind), BlueOf(own)));
}

// --- plain backgrounds

bool TsCommonData::HasComplexBackground() const {
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  if (!s) return false;
  if (BorderSum(*Model(), FrameMaskIndex) > 24) return true;
  if (s->Transparency == 100) {
    TWinControl* parent = OwnerParent();
    if (!parent) return true;
    if (!(SendSkinCommand(parent, SKC_PLAINBG, 0) & kPlainBackgroundFlag)) return true;
  } else if (s->Transparency != 0) {
    return true;
  }
  return s->ImagePercent > 0 || s->GradientPercent != 0;
}

void TsCommonData::UpdatePlainBackground(bool propagate) {
  Flags &= ~kPlainBackgroundFlag;
  const bool container = providerForm_ || dynamic_cast<TPanel*>(hostControl_) ||
                         dynamic_cast<TForm*>(hostControl_) ||
                         (ControlKind >= 51 && ControlKind <= 74);
  if (container && !HasComplexBackground()) Flags |= kPlainBackgroundFlag;
  if (!propagate || !hostControl_ || !hostControl_->IsWindowed()) return;
  const std::vector<TControl*> children = static_cast<TWinControl*>(hostControl_)->Controls();
  for (TControl* child : children) SendSkinCommand(child, SKC_PLAINBG, 1);
}

bool TsCommonData::DependsOnParentBackground() const {
  if (ParentBackgroundForced) return true;
  TsSkinManager* m = UsedManager();
  if (!m || !m->SkinActive() || !hostControl_ || !hostControl_->Visible()) return true;
  const TsGeneralData* s = Section();
  if (!s) return false;
  if (hostControl_->Enabled() && s->Transparency <= 0) return false;
  TWinControl* parent = hostControl_->Parent();
  if (!parent || !parent->HandleAllocated()) return true;
  ParentChainStep step;
  if (!step.Allowed()) return true;
  return SendSkinCommand(parent, SKC_ISGRAPHICBG) != 0;
}

bool TsCommonData::GraphicBackgroundAnswer() const {
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  TWinControl* parent = OwnerParent();
  if (s && s->Transparency == 100 && parent && parent->HandleAllocated()) {
    ParentChainStep step;
    return step.Allowed() && SendSkinCommand(parent, SKC_ISGRAPHICBG) != 0;
  }
  if (s && s->GradientPercent + s->ImagePercent > 0) return true;
  return DependsOnParentBackground();
}

// --- the background request

BackgroundInfo TsCommonData::GetBackground() const {
  if (IsSkinned() && hostControl_ && hostControl_->Parent()) {
    BackgroundRequest request;
    RequestBackground(hostControl_->Parent(), request);
    return BackgroundFromAnswer(request);
  }
  return ColorBackground(ConvertColor(ControlBackColor(false)));
}

BackgroundInfo TsCommonData::GetBackground(HWND wnd) {
  HWND parent = wnd ? GetParent(wnd) : nullptr;
  if (!parent) return ColorBackground(ConvertColor(clBtnFace));
  BackgroundRequest request;
  RequestBackground(parent, request);
  return BackgroundFromAnswer(request);
}

void TsCommonData::AnswerBackground(BackgroundRequest& r, int state, HWND wnd) {
  const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
  if (!s) {
    AnswerColor(r, OwnerColor());
    return;
  }
  const bool hot = state != 0;
  const int t = hot ? s->HotTransparency : s->Transparency;
  const int gradient = hot ? s->HotGradientPercent : s->GradientPercent;
  const int image = hot ? s->HotImagePercent : s->ImagePercent;
  if (t == 0 && gradient == 0 && image == 0) {
    AnswerColor(r, ControlBackColor(hot));
    // A flat colour: the cache is offered for callers that copy anyway.
    r.Bitmap = cache_.get();
    return;
  }
  if (t == 100 && BorderSum(*Model(), FrameMaskIndex) < 25) {
    if (TWinControl* parent = OwnerParent()) {
      ForwardRequest(static_cast<TControl*>(parent), {hostControl_->Left(), hostControl_->Top()},
                     r);
    } else if (HWND parentWnd = wnd ? GetParent(wnd) : nullptr) {
      ForwardRequest(parentWnd, PositionInParent(wnd), r);
    } else {
      AnswerColor(r, GlobalColor());
    }
    return;
  }
  // The face is lent only when it shows the owner as it is now.
  if (BackgroundChanged && PrepareCache) PrepareCache();
  if (!cache_ || cache_->Empty()) {
    AnswerColor(r, t == 100 ? ControlBackColor(hot) : KeyColor);
    return;
  }
  r.Kind = kBackgroundBitmap;
  if (r.PaintInto) {
    if (r.DC)
      BitBlt(r.DC, r.Rect.left, r.Rect.top, r.Rect.right - r.Rect.left, r.Rect.bottom - r.Rect.top,
             cache_->DC(), r.OffsetX, r.OffsetY, SRCCOPY);
    return;
  }
  r.Bitmap = cache_.get();
  r.OffsetX = 0;
  r.OffsetY = 0;
}

}  // namespace folvane
