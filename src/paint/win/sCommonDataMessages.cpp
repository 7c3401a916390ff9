// The skin commands a skin state answers for its owner, and the platform
// messages it follows.
#include <algorithm>
#include <exception>

#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

bool IsDirectChild(const TWinControl* parent, const TControl* child) {
  if (!parent || !child) return false;
  const auto& list = parent->Controls();
  return std::find(list.begin(), list.end(), child) != list.end();
}

void ReportException() {
  // Nothing may unwind through the window procedure that called us.
  if (Application) Application->HandleException(std::current_exception());
}

}  // namespace

bool TsCommonData::HandleMessage(Message& m) {
  try {
    if (m.msg == SM_VANTILECMD) return HandleSkinCommand(m);
    if (m.msg == WM_UPDATEUISTATE && IsSkinned()) {
      m.result = 0;
      return true;
    }
    ObservePlatformMessage(m);
  } catch (...) {
    ReportException();
    m.result = 0;
    return true;
  }
  return false;
}

bool TsCommonData::HandleSkinCommand(Message& m) {
  const WORD code = SkinCommandCode(m.wParam);
  const WORD low = LOWORD(m.wParam);
  switch (code) {
    case SKC_NEWSKIN:
    case SKC_REMOVESKIN:
    case SKC_REFRESH:
      if (ConcernsManager(m.lParam)) {
        if (code == SKC_NEWSKIN) SkinLoaded();
        else if (code == SKC_REFRESH) SkinApplied();
        else SkinRemoved(reinterpret_cast<TsSkinManager*>(m.lParam));
      }
      // Children compare the manager themselves: they may use this one.
      if (hostControl_ && hostControl_->IsWindowed())
        SkinChildWalk(static_cast<TWinControl*>(hostControl_), m);
      m.result = 0;
      return true;
    case SKC_STOPANIMATION:
      if (hostControl_ && hostControl_->IsWindowed())
        SkinChildWalk(static_cast<TWinControl*>(hostControl_), m);
      return false;
    case SKC_ISSKINNED: m.result = 1; return true;
    case SKC_SETUPDATING: PaintSuspended = low == 1; break;
    case SKC_FORCEPARENTBG: ParentBackgroundForced = low == 1; break;
    case SKC_ISBGCHANGED: m.result = BackgroundChanged || PaintSuspended; return true;
    case SKC_ISOUTSIDE: m.result = OutsideParent; return true;
    case SKC_SETOUTSIDE: OutsideParent = true; break;
    case SKC_CHECKBGCHANGED: {
      const TsGeneralData* s = IsSkinned() ? Section() : nullptr;
      if (low == 1 && s && s->Transparency > 0) BackgroundChanged = true;
      break;
    }
    case SKC_SETPAINTEDCHILD: {
      // Only a child of ours is kept: the pointer comes from a message.
      auto* child = reinterpret_cast<TControl*>(m.lParam);
      TWinControl* container = providerForm_ ? providerForm_
                               : hostControl_ && hostControl_->IsWindowed()
                                   ? static_cast<TWinControl*>(hostControl_)
                                   : nullptr;
      PaintedChild = IsDirectChild(container, child) ? child : nullptr;
      break;
    }
    case SKC_SETBGCHANGED: BackgroundChanged = true; break;
    case SKC_ISGRAPHICBG: m.result = GraphicBackgroundAnswer(); return true;
    case SKC_BGCHANGED: ParentBackgroundChanged(low == 1); break;
    case SKC_GETBGCOLOR: m.result = static_cast<LRESULT>(BackgroundColorAnswer()); return true;
    case SKC_GETSECTIONINDEX: m.result = IsSkinned() ? SectionIndex + 1 : 0; return true;
    case SKC_GETBACKGROUND:
      if (m.lParam) AnswerBackground(*reinterpret_cast<BackgroundRequest*>(m.lParam), 0);
      break;
    case SKC_PLAINBG:
      if (m.lParam == 1) {
        UpdatePlainBackground(true);
        break;
      }
      m.result = static_cast<LRESULT>(Flags);
      return true;
    case SKC_GETAPPLICATION: m.result = reinterpret_cast<LRESULT>(Application); return true;
    default:
      return false;
  }
  m.result = 0;
  return true;
}

void TsCommonData::SkinLoaded() {
  SkinAnnouncing = false;  // the first receiver ends the announcement
  ResolveIndexes();
  UpdatePlainBackground(false);
  Invalidate();
}

void TsCommonData::SkinRemoved(TsSkinManager* sender) {
  if (manager_ && manager_ == sender && manager_->Destroying()) manager_ = nullptr;
  SectionIndex = kNoIndex;
  FrameMaskIndex = kNoIndex;
  TextureIndex = kNoIndex;
  HotTextureIndex = kNoIndex;
  PaintSuspended = true;
  BackgroundChanged = true;
  Flags &= ~kPlainBackgroundFlag;
  EmptyCache();
  if (IsEditLike() && hostControl_) {
    if (!customColor_) hostControl_->SetColor(clWindow);
    if (!customFont_) hostControl_->Font().SetColor(clWindowText);
  }
  Invalidate();
}

void TsCommonData::SkinApplied() {
  ResolveIndexes();
  BackgroundChanged = true;
  PaintSuspended = false;
  if (IsSkinned() && OwnerParent()) {
    if (IsEditLike()) ApplySectionColors();
    if (hostControl_->IsWindowed())
      SendSkinCommand(hostControl_->ParentForm(), SKC_ADAPTCONTROL,
                      reinterpret_cast<LPARAM>(hostControl_));
  }
  UpdatePlainBackground(false);
  Invalidate();
}

// Command 20: what lies behind may have changed.
void TsCommonData::ParentBackgroundChanged(bool redraw) {
  const bool depends = DependsOnParentBackground();
  if (depends) BackgroundChanged = true;
  if (!hostControl_) return;
  if (hostControl_->IsWindowed()) {
    auto* w = static_cast<TWinControl*>(hostControl_);
    if (redraw && w->HandleAllocated())
      RedrawWindow(w->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE);
    if (!depends) return;
    const std::vector<TControl*> children = w->Controls();
    for (TControl* child : children)
      if (!child->Destroying()) SendSkinCommand(child, SKC_BGCHANGED, 0, redraw ? 1 : 0);
  } else if (redraw && depends) {
    hostControl_->Invalidate();
  }
}

void TsCommonData::ObservePlatformMessage(const Message& m) {
  auto* windowed = hostControl_ && hostControl_->IsWindowed()
                       ? static_cast<TWinControl*>(hostControl_)
                       : nullptr;
  switch (m.msg) {
    case WM_MOVE:
      if (DependsOnParentBackground()) {
        BackgroundChanged = true;
        SendToOwner(SKC_BGCHANGED, 0, 1);
      }
      break;
    case WM_SIZE: {
      if (!IsSkinned()) break;
      BackgroundChanged = true;
      const TsGeneralData* s = Section();
      if (!windowed || !s || s->GradientPercent <= 0) break;
      // A gradient stretches with the owner: everything on it changes.
      const std::vector<TControl*> children = windowed->Controls();
      for (TControl* child : children)
        if (!child->Destroying()) SendSkinCommand(child, SKC_BGCHANGED, 0, 1);
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (windowed && windowed->CanFocus() && windowed->TabStop) {
        BackgroundChanged = true;
        FocusLook = m.msg == WM_SETFOCUS;
      }
      break;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
      Hovered = false;
      FocusLook = false;
      break;
    case WM_PARENTNOTIFY:
      if (LOWORD(m.wParam) == WM_CREATE && hostControl_)
        SendSkinCommand(hostControl_->ParentForm(), SKC_ADAPTCONTROL,
                        reinterpret_cast<LPARAM>(hostControl_));
      break;
    case CM_VISIBLECHANGED:
      if (m.wParam) {
        PaintSuspended = false;
        BackgroundChanged = true;
      } else {
        EmptyCache();  // a hidden control keeps no face in memory
      }
      break;
    case CM_MOUSEENTER:
      MouseEntered(windowed);
      break;
    case CM_MOUSELEAVE:
      if (!IsContainerKind(ControlKind)) Hovered = false;
      break;
    case WM_NCDESTROY:
      if (windowed && windowed->HandleAllocated()) {
        if (TsSkinManager* primary = TsSkinManager::PrimaryManager())
          primary->WindowDestroyed(windowed->Handle());
        if (manager_) manager_->WindowDestroyed(windowed->Handle());
      }
      break;
    default:
      break;
  }
}

void TsCommonData::MouseEntered(TWinControl* windowed) {
  if (windowed) {
    // One speed button on a container shows the hover at a time.
    const std::vector<TControl*> children = windowed->Controls();
    for (TControl* child : children) {
      if (child == hostControl_ || child->Destroying()) continue;
      if (std::wstring(child->ClassName()) != L"TsSpeedButton") continue;
      TsCommonData* other = Of(child);
      if (other && other->Hovered) child->Perform(CM_MOUSELEAVE);
    }
  }
  if (!IsContainerKind(ControlKind)) Hovered = true;
  if (windowed && windowed->HandleAllocated())
    if (TsSkinManager* primary = TsSkinManager::PrimaryManager())
      primary->SetHotWindow(windowed->Handle());
}

}  // namespace folvane
