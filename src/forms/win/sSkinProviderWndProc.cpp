// The form's window procedure while a provider owns it: skin commands
// first, then the skinned handling of the window messages; everything else
// goes on to the form's own procedure.
#include "forms/win/sSkinProvider.h"
#include "forms/win/sSystemMenu.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

constexpr UINT kRegionOptOut = 0xBC4D;
constexpr UINT kUndocumentedNcPaint = 0x0093;
// With visual styles the system draws its caption and frame through these
// two as well (while handling WM_SETTEXT, for one): a skinned frame never
// lets it.
constexpr UINT kThemedCaptionPaint = 0x00AE;
constexpr UINT kThemedFramePaint = 0x00AF;

}  // namespace

class ProviderWindowProc {
 public:
  explicit ProviderWindowProc(TsSkinProvider& p) : p_(p) {}

  // Commands looked at whatever the routing mode; true when answered.
  bool EarlyCommand(Message& m) {
    if (m.msg != SM_VANTILECMD) return false;
    switch (SkinCommandCode(m.wParam)) {
      case SKC_NEWSKIN:
        if (p_.IsOurs(m.lParam) && !p_.form_->Destroying() && !p_.sysMenu_) p_.PrepareSkin();
        return false;
      case SKC_REMOVESKIN:
        // The skin is already inactive when this arrives: handled in both modes.
        if (p_.IsOurs(m.lParam)) RemoveSkin(m);
        m.result = 0;
        return true;
      default:
        return false;
    }
  }

  void Transparent(Message& m) {
    if (m.msg == SM_VANTILECMD) {
      const WORD code = SkinCommandCode(m.wParam);
      if (code == SKC_GETPROVIDER) {
        m.result = reinterpret_cast<LRESULT>(static_cast<SkinProviderLink*>(&p_));
        return;
      }
      if (code == SKC_NEWSKIN && p_.IsOurs(m.lParam) && !p_.form_->Destroying()) {
        NewSkinWhileTransparent();
        m.result = 0;
        return;
      }
    }
    p_.CallSaved(m);
  }

  void Command(Message& m) {
    const WORD code = SkinCommandCode(m.wParam);
    const WORD low = LOWORD(m.wParam);
    TsCommonData& data = p_.SkinData;
    m.result = 0;
    switch (code) {
      case SKC_NEWSKIN:
        if (p_.IsOurs(m.lParam)) NewSkin(m);
        return;
      case SKC_REFRESH:
        if (p_.IsOurs(m.lParam)) Refresh(m);
        return;
      case SKC_GETPROVIDER:
        m.result = reinterpret_cast<LRESULT>(static_cast<SkinProviderLink*>(&p_));
        return;
      case SKC_ISSKINNED: m.result = 1; return;
      case SKC_SETUPDATING:
        data.PaintSuspended = low == 1;
        if (data.IsPaintSuspended()) p_.MarkChanged();
        return;
      case SKC_FORCEPARENTBG:
        data.HandleSkinCommand(m);
        if (data.ParentBackgroundForced) p_.RenderWindowImage();
        m.result = 0;
        return;
      case SKC_ISBGCHANGED:
        m.result = data.NeedsFullRepaint() && data.PaintSuspended ? 1 : 0;
        return;
      case SKC_SETPAINTEDCHILD:
      case SKC_PLAINBG:
      case SKC_GETAPPLICATION:
        data.HandleSkinCommand(m);
        return;
      case SKC_ISGRAPHICBG: {
        const TsGeneralData* s = data.Section();
        m.result = s && s->GradientPercent + s->ImagePercent > 0 ? 1 : 0;
        return;
      }
      case SKC_GETBGCOLOR: m.result = static_cast<LRESULT>(p_.BackgroundColor()); return;
      case SKC_ADAPTCONTROL: return;  // the control adapter's layer adapts controls
      case SKC_GETBACKGROUND:
        if (m.lParam) Background(*reinterpret_cast<BackgroundRequest*>(m.lParam));
        return;
      case SKC_BEGINSCROLL:
        SendMessageW(p_.form_->Handle(), WM_SETREDRAW, FALSE, 0);
        return;
      case SKC_ENDSCROLL:
        SendMessageW(p_.form_->Handle(), WM_SETREDRAW, TRUE, 0);
        RedrawWindow(p_.form_->Handle(), nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
      case SKC_GETCLIENTOFFSET:
        m.result = MAKELONG(p_.ClientShiftX(), p_.ClientShiftY());
        return;
      default:
        return;  // consumed: no other command concerns a skinned form
    }
  }

  void Window(Message& m) {
    switch (m.msg) {
      case WM_CREATE:
        p_.titleCache_.reset();
        p_.CallSaved(m);
        p_.PrepareSkin();
        return;
      case WM_SIZE: p_.HandleSize(m); return;
      case WM_ACTIVATE:
        p_.CallSaved(m);
        if (p_.Showing()) {
          p_.MenuRowCount = -1;
          if (p_.sysMenu_) p_.sysMenu_->Refresh();
        }
        return;
      case WM_SETTEXT: p_.HandleSetText(m); return;
      case WM_SETICON: p_.HandleSetText(m); return;
      case WM_PAINT: p_.HandlePaint(m); return;
      case WM_ERASEBKGND: p_.HandleEraseBackground(m); return;
      case WM_SETTINGCHANGE:
        p_.MarkChanged();
        p_.titleCache_.reset();
        p_.CallSaved(m);
        return;
      case WM_WINDOWPOSCHANGING:
        if (!p_.regionBusy_ && m.lParam) p_.SnapPosition(*reinterpret_cast<WINDOWPOS*>(m.lParam));
        p_.CallSaved(m);
        return;
      case WM_NCHITTEST: p_.HandleHitTest(m); return;
      case WM_NCPAINT:
        if (p_.Shape().Iconic) p_.MarkChanged();
        // Painted even before the window menu exists; never left to the system.
        if (!p_.ShowAnimating && p_.Showing() && !p_.Loading()) p_.PaintNonClient();
        m.result = 0;
        return;
      case WM_NCACTIVATE: p_.HandleNcActivate(m); return;
      case WM_NCLBUTTONDOWN: p_.HandleNcButtonDown(m); return;
      case WM_NCLBUTTONUP: p_.HandleNcButtonUp(m); return;
      case WM_NCLBUTTONDBLCLK: p_.HandleNcDoubleClick(m); return;
      case WM_NCRBUTTONDOWN:
      case WM_NCRBUTTONUP: p_.HandleNcRightButton(m); return;
      case WM_SYSCOMMAND: p_.HandleSysCommand(m); return;
      case WM_NCMOUSEMOVE:
        p_.TrackNonClientLeave();
        p_.CallSaved(m);
        return;
      case WM_NCMOUSELEAVE:
        p_.ncLeaveTracked_ = false;
        p_.SetHotElement(0, true);
        p_.CallSaved(m);
        return;
      case WM_MOUSELEAVE:
      case CM_MOUSELEAVE:
        p_.SetHotElement(0, true);
        p_.CallSaved(m);
        return;
      case WM_ENTERIDLE: m.result = 0; return;
      case WM_PARENTNOTIFY: ParentNotify(m); return;
      case WM_PRINT: p_.Print(reinterpret_cast<HDC>(m.wParam)); m.result = 0; return;
      case kUndocumentedNcPaint:
      case kThemedCaptionPaint:
      case kThemedFramePaint:
      case WM_PRINTCLIENT:
      case CM_INVALIDATE:
      case CM_CONTROLLISTCHANGING:
      case kRegionOptOut:
        m.result = 0;
        return;
      case CM_VISIBLECHANGED:
        p_.CallSaved(m);
        // A hidden form keeps no image in memory.
        if (!m.wParam && p_.SkinData.CacheBitmap()) {
          *p_.SkinData.CacheBitmap() = TBitmap();
          p_.MarkChanged();
        }
        return;
      case CM_ENABLEDCHANGED:
        p_.CallSaved(m);
        p_.MarkChanged();
        SendMessageW(p_.form_->Handle(), WM_NCPAINT, 1, 0);
        return;
      case CM_COLORCHANGED:
        if (!p_.SkinData.CustomColor()) return;  // the skin's colour stands
        p_.MarkChanged();
        p_.CallSaved(m);
        return;
      case CM_MENUCHANGED:
        if (p_.form_->Visible()) p_.TitleDirty = true;
        p_.CallSaved(m);
        return;
      case CM_SHOWINGCHANGED: p_.HandleShowingChanged(m); return;
      case CM_CONTROLLISTCHANGE:
        p_.CallSaved(m);
        if (m.wParam) p_.CreateCtrlAdapter();
        return;
      default:
        p_.CallSaved(m);
        return;
    }
  }

 private:
  void NewSkin(Message& m) {
    TsCommonData& data = p_.SkinData;
    data.HandleSkinCommand(m);
    m.result = 0;
    p_.LookUpCaptionGlyphs();
    p_.SetSysMenuStyle(true);
    p_.MarkChanged();
    p_.TitleDirty = true;
    p_.RegionDirty = true;
    p_.MenuRowCount = -1;
    if (p_.form_->HandleAllocated()) SendMessageW(p_.form_->Handle(), WM_NCPAINT, 1, 0);
  }

  void NewSkinWhileTransparent() {
    TsCommonData& data = p_.SkinData;
    data.ResolveIndexes();
    if (data.UsedManager()) {
      p_.LookUpCaptionGlyphs();
      p_.SetSysMenuStyle(data.IsSkinned());
      p_.MarkChanged();
      p_.TitleDirty = true;
      p_.RegionDirty = true;
      p_.MenuRowCount = -1;
      p_.ApplyGlobalColor();
    }
    p_.CreateCtrlAdapter();
  }

  void RemoveSkin(Message& m) {
    TsCommonData& data = p_.SkinData;
    data.HandleSkinCommand(m);
    p_.MenuRowCount = -1;
    TForm* form = p_.form_;
    if (form->Destroying()) return;
    p_.SetSysMenuStyle(false);
    if (p_.HasSkinnedFrame()) p_.RemoveRegion();
    if (p_.useGlobalColor_ && !data.CustomColor()) form->SetColor(clBtnFace);
    if (TBitmap* image = data.CacheBitmap()) *image = TBitmap();
    p_.titleCache_.reset();
    p_.PaintedOnce = false;
    if (form->HandleAllocated())
      RedrawWindow(form->Handle(), nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }

  void Refresh(Message& m) {
    TsCommonData& data = p_.SkinData;
    data.HandleSkinCommand(m);
    m.result = 0;
    p_.CreateCtrlAdapter();
    p_.MenuRowCount = -1;
    p_.titleCache_.reset();
    p_.TitleDirty = true;
    if (p_.HasSkinnedFrame()) p_.RegionDirty = true;
    if (!p_.form_->Visible() || !p_.form_->HandleAllocated()) return;
    p_.MarkChanged();
    RedrawWindow(p_.form_->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    p_.ApplyGlobalColor();
    data.PaintSuspended = false;
  }

  // The form's answer to a background request: its window image, whose
  // client part starts at the client offset.
  void Background(BackgroundRequest& r) {
    const int dx = p_.ClientShiftX(), dy = p_.ClientShiftY();
    if (r.PaintInto) {
      r.OffsetX += dx;
      r.OffsetY += dy;
    }
    p_.SkinData.AnswerBackground(r, p_.ActiveLook ? 1 : 0);
    if (r.Kind != kBackgroundBitmap || r.PaintInto) return;
    if (!r.Bitmap) {
      p_.RenderWindowImage();
      r.Bitmap = p_.SkinData.CacheBitmap();
    }
    r.OffsetX = dx;
    r.OffsetY = dy;
  }

  void ParentNotify(Message& m) {
    const WORD event = LOWORD(m.wParam);
    if (p_.Loading() || p_.form_->Loading() || (event != WM_CREATE && event != WM_DESTROY)) {
      p_.CallSaved(m);
      return;
    }
    p_.CallSaved(m);
    if (event == WM_CREATE) p_.CreateCtrlAdapter();
    const std::vector<TControl*> children = p_.form_->Controls();
    for (TControl* child : children) SendSkinCommand(child, SKC_PLAINBG, 1);
  }

  TsSkinProvider& p_;
};

void TsSkinProvider::WndProc(Message& m) {
  ProviderWindowProc route(*this);
  if (route.EarlyCommand(m)) return;
  if (form_->Destroying() || !SkinnedNow()) {
    route.Transparent(m);
    return;
  }
  if (m.msg == SM_VANTILECMD) {
    route.Command(m);
    return;
  }
  route.Window(m);
}

}  // namespace folvane
