// The non-client side of a skinned form: painting the frame strips,
// hit-testing, activation, caption text changes, the caption buttons'
// mouse sequence, the window-menu commands, resizing and showing.
#include <windowsx.h>

#include "forms/win/NonClientDC.h"
#include "forms/win/sSkinProvider.h"
#include "forms/win/sSystemMenu.h"
#include "paint/win/WindowFade.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

bool SystemSixOrLater() { return LOBYTE(LOWORD(GetVersion())) >= 6; }

void Blit(HDC to, int x, int y, int w, int h, HDC from) {
  if (w > 0 && h > 0) BitBlt(to, x, y, w, h, from, x, y, SRCCOPY);
}

}  // namespace

// --- painting the frame

void TsSkinProvider::PaintNonClient(HDC dc) {
  if (!form_ || !form_->HandleAllocated()) return;
  if (ResizeMode == TsResizeMode::rmBorder && SystemSixOrLater())
    ResizeMode = TsResizeMode::rmStandard;
  menusPrepared_ = true;
  const FormShape shape = Shape();
  const LONG_PTR style = GetWindowLongPtrW(form_->Handle(), GWL_STYLE);
  if (!dc && !regionBusy_ && RegionDirty &&
      (HasSkinnedFrame() || (style & WS_THICKFRAME) || shape.Iconic)) {
    RebuildRegionHoles();
    RegionDirty = false;
    // A new region repaints the frame by itself.
    if (ApplyRegion(!ShowAnimating)) {
      if (!ShowAnimating) return;
    }
  }
  SkinData.PaintSuspended = false;
  if (SkinData.BackgroundChanged || !SkinData.CacheBitmap() || SkinData.CacheBitmap()->Empty()) {
    SkinData.BackgroundChanged = true;
    RenderWindowImage();
  }
  if (dc) {
    CopyStrips(dc);
  } else {
    NonClientDC window(form_->Handle());
    const int saved = SaveDC(window.Get());
    CopyStrips(window.Get());
    RestoreDC(window.Get(), saved);
  }
  regionBusy_ = false;
}

void TsSkinProvider::CopyStrips(HDC dc) {
  TBitmap* image = SkinData.CacheBitmap();
  if (!image || image->Empty()) return;
  const HDC from = image->DC();
  const FormShape shape = Shape();
  const int w = OuterWidth(), h = OuterHeight();
  const LONG_PTR style = GetWindowLongPtrW(form_->Handle(), GWL_STYLE);
  if (HasSkinnedFrame() || !(style & WS_THICKFRAME) || shape.Iconic) {
    const int fx = FrameThicknessX(), fy = FrameThicknessY();
    const int t = (shape.Iconic ? 1 : 0) + fy + CaptionBarHeight();
    Blit(dc, 0, 0, w, TopAreaHeight(), from);
    Blit(dc, 0, t, fx, h - t, from);
    Blit(dc, fx, h - fy, w - fx, fy, from);
    Blit(dc, w - fx, t, fx, h - t, from);
    return;
  }
  const int b = 3;  // a sizing frame without a skinned one: thin strips
  Blit(dc, 0, 0, w, b, from);
  Blit(dc, 0, 0, b, h, from);
  Blit(dc, 0, h - b, w, b, from);
  Blit(dc, w - b, 0, b, h, from);
}

// --- hit-testing

int TsSkinProvider::HitTest(POINT screen) {
  RECT window;
  GetWindowRect(form_->Handle(), &window);
  const int x = screen.x - window.left, y = screen.y - window.top;
  CaptionContext context = ButtonContext();
  const int h = Buttons.ButtonHeight(context);
  const int c = (CaptionBarHeight() + FrameThicknessY() - h) / 2;
  int answer = kCodeNone;
  if (y >= c && y <= c + h) {
    const PixelRect icon = CaptionIconBox();
    if (IconShown() && x >= icon.Left && x <= icon.Right) {
      SetHotElement(0, true);
      return kCodeSysMenu;
    }
    answer = Buttons.HitTest(context, x);
    if (answer != kCodeCaption) SetHotElement(answer, true);
  } else {
    if (GripMode == TsGripMode::gmRightBottom) {
      const SkinModel* model = SkinData.Model();
      const int gi = model ? model->FindSection("GLOBALINFO") : kNoIndex;
      const int grip = gi >= 0 ? model->FindMask(gi, "GLOBALINFO", "GRIPIMAGE") : kNoIndex;
      if (model && model->MaskIndexValid(grip)) {
        const MaskSize s = model->MaskStateSize(grip);
        const int gx = OuterWidth() - s.x - FrameThicknessX();
        const int gy = OuterHeight() - s.y - FrameThicknessY();
        if (x > gx && y > gy) answer = HTBOTTOMRIGHT;
      }
    }
    if (answer == kCodeNone) SetHotElement(0, true);
  }
  if (answer == kCodeNone && context.Shape.Maximized &&
      !(x >= 2 && y >= 2 && x < OuterWidth() - 4 && y < OuterHeight() - 4)) {
    SetHotElement(0, true);
    return HTTRANSPARENT;
  }
  return answer;
}

void TsSkinProvider::HandleHitTest(Message& m) {
  if (CaptionBarHeight() == 0) {
    CallSaved(m);
    return;
  }
  const int answer = HitTest({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
  if (answer == kCodeNone || answer == kCodeCaption) {
    // Frame edges, the client and the bare caption are the system's answer.
    SetHotElement(0, true);
    CallSaved(m);
    return;
  }
  m.result = answer;
}

// --- activation and caption text

void TsSkinProvider::HandleNcActivate(Message& m) {
  ActiveLook = m.wParam != 0;
  MarkChanged();
  SkinData.PaintSuspended = false;
  if (!Showing()) {
    CallSaved(m);
    return;
  }
  // The system paints its own caption here: it must not reach the screen.
  SendMessageW(form_->Handle(), WM_SETREDRAW, FALSE, 0);
  CallSaved(m);
  SendMessageW(form_->Handle(), WM_SETREDRAW, TRUE, 0);
  m.result = TRUE;
  MenuRowCount = -1;
  RedrawWindow(form_->Handle(), nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (sysMenu_) sysMenu_->Refresh();
}

void TsSkinProvider::HandleSetText(Message& m) {
  if (!Showing() || Loading()) {
    CallSaved(m);
    return;
  }
  CallSaved(m);
  // The system drew its caption while handling the text: paint over it now.
  MarkChanged();
  MenuRowCount = -1;
  PaintNonClient();
}

// --- caption buttons

bool TsSkinProvider::ButtonCode(int code) const {
  return code == kCodeMinimize || code == kCodeMaximize || code == kCodeClose ||
         code == kCodeHelp || code >= kCodeUserFirst;
}

void TsSkinProvider::SetHotElement(int code, bool repaint) {
  if (code == Buttons.HotCode) return;
  Buttons.SetHot(code, repaint ? std::function<void(int)>([this](int c) { RepaintCaptionButton(c); })
                               : std::function<void(int)>());
}

void TsSkinProvider::PressElement(int code) {
  Buttons.Press(code, Shape(), [this](int c) { RepaintCaptionButton(c); });
}

void TsSkinProvider::TrackNonClientLeave() {
  if (ncLeaveTracked_ || !form_->HandleAllocated()) return;
  TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_NONCLIENT, form_->Handle(), 0};
  ncLeaveTracked_ = TrackMouseEvent(&tme) != 0;
}

void TsSkinProvider::ShowWindowMenuBelowIcon() {
  RECT window;
  GetWindowRect(form_->Handle(), &window);
  ShowWindowMenu(window.left + FrameThicknessX(),
                 window.top + FrameThicknessY() + CaptionIconBox().Height());
}

void TsSkinProvider::ShowWindowMenu(int x, int y) {
  if (sysMenu_) sysMenu_->PopupAt(x, y);
}

void TsSkinProvider::HandleNcButtonDown(Message& m) {
  const int code = static_cast<int>(m.wParam);
  if (code == HTSYSMENU) {
    SetHotElement(0, true);
    ShowWindowMenuBelowIcon();
    return;
  }
  if (ButtonCode(code)) {
    PressElement(code);
    const int user = code - kCodeUserFirst;
    if (user >= 0 && user < static_cast<int>(TitleButtons.size()) && TitleButtons[user]->OnMouseDown)
      TitleButtons[user]->OnMouseDown(TitleButtons[user].get(), GET_X_LPARAM(m.lParam),
                                      GET_Y_LPARAM(m.lParam));
    return;
  }
  const FormShape shape = Shape();
  if (shape.Iconic) {
    SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, m.lParam);
    return;
  }
  SetHotElement(0, true);
  if (shape.Maximized) {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    if (GET_Y_LPARAM(m.lParam) - window.top <= FrameThicknessY() + CaptionBarHeight()) {
      if (GetActiveWindow() != form_->Handle()) SetActiveWindow(form_->Handle());
      return;
    }
  }
  CallSaved(m);
}

void TsSkinProvider::HandleNcButtonUp(Message& m) {
  const int code = static_cast<int>(m.wParam);
  if (!ButtonCode(code)) {
    CallSaved(m);
    return;
  }
  const HWND wnd = form_->Handle();
  const FormShape shape = Shape();
  const bool pressed = CaptionButtons::ButtonPressed;
  switch (code) {
    case kCodeMinimize: {
      const CaptionButton& r = Buttons.Minimize;
      RECT window;
      GetWindowRect(wnd, &window);
      const int x = GET_X_LPARAM(m.lParam) - window.left, y = GET_Y_LPARAM(m.lParam) - window.top;
      const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
      if (pressed && inside) {
        SetHotElement(0, false);
        Buttons.Minimize.State = 0;
        SendMessageW(wnd, WM_SYSCOMMAND, shape.Iconic ? SC_RESTORE : SC_MINIMIZE, 0);
        MarkChanged();
        return;
      }
      if (!pressed) SetHotElement(0, true);
      CallSaved(m);
      return;
    }
    case kCodeMaximize:
      if (!(MaxEnabled(shape) || (shape.Maximized && RestoreEnabled(shape)))) return;
      SetHotElement(0, true);
      if (!pressed) {
        CallSaved(m);
        return;
      }
      SendMessageW(wnd, WM_SYSCOMMAND, shape.Maximized ? SC_RESTORE : SC_MAXIMIZE, 0);
      if (sysMenu_) sysMenu_->Refresh();
      return;
    case kCodeClose:
      if (pressed) {
        Buttons.Close.State = 0;
        Buttons.HotCode = 0;
        CaptionButtons::ButtonPressed = false;
        SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return;
    case kCodeHelp:
      if (pressed) {
        SendMessageW(wnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        SetHotElement(0, true);
        if (sysMenu_) sysMenu_->Refresh();
        SendMessageW(wnd, WM_NCPAINT, 1, 0);
      } else {
        SetHotElement(0, true);
      }
      return;
    default: {
      const size_t user = static_cast<size_t>(code - kCodeUserFirst);
      if (pressed && user < TitleButtons.size() && TitleButtons[user]->OnMouseUp)
        TitleButtons[user]->OnMouseUp(TitleButtons[user].get(), GET_X_LPARAM(m.lParam),
                                      GET_Y_LPARAM(m.lParam));
      SetHotElement(0, true);
      return;
    }
  }
}

void TsSkinProvider::HandleNcDoubleClick(Message& m) {
  const FormShape shape = Shape();
  m.result = 0;
  if (m.wParam == HTCAPTION) {
    if ((HasWindowMenu() && (MaxEnabled(shape) || RestoreEnabled(shape))) ||
        (!HasSkinnedFrame() && shape.Iconic)) {
      SendMessageW(form_->Handle(), WM_SYSCOMMAND,
                   shape.Maximized || shape.Iconic ? SC_RESTORE : SC_MAXIMIZE, 0);
      if (sysMenu_) sysMenu_->Refresh();
    }
  } else if (m.wParam == HTSYSMENU) {
    form_->Close();
  }
}

void TsSkinProvider::HandleNcRightButton(Message& m) {
  if (m.wParam != HTCAPTION && m.wParam != HTSYSMENU) {
    CallSaved(m);
    return;
  }
  m.result = 0;
  if (m.msg != WM_NCRBUTTONUP) return;  // the press is the system's no longer
  if (!HasSkinnedFrame()) {
    CallSaved(m);
    return;
  }
  SetHotElement(0, true);
  ShowWindowMenu(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
}

void TsSkinProvider::HandleSysCommand(Message& m) {
  const WPARAM command = m.wParam & 0xFFF0;
  if (m.wParam == (SC_MOVE | HTCAPTION)) RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const bool keyMenu = command == SC_KEYMENU && m.lParam == ' ';
  if (keyMenu && HasWindowMenu() && HasSkinnedFrame()) {
    // Alt+Space: the window menu is ours, the system has none to show.
    ShowWindowMenuBelowIcon();
    m.result = 0;
    return;
  }
  CallSaved(m);
  if (m.wParam == SC_MINIMIZE) {
    if (TBitmap* image = SkinData.CacheBitmap()) *image = TBitmap();
    MarkChanged();
  } else if (command == SC_MAXIMIZE || command == SC_RESTORE) {
    if (MaxVisible(Shape())) Buttons.HotCode = kCodeMaximize;
    SetHotElement(0, true);
    if (!HasSkinnedFrame() && command == SC_RESTORE) {
      MarkChanged();
      RemoveRegion();
    }
  }
}

// --- size, showing, snapping

void TsSkinProvider::HandleSize(Message& m) {
  const int w = LOWORD(m.lParam), h = HIWORD(m.lParam);
  const RECT last = prevClientRect_;
  const bool shrank = w < last.right || h < last.bottom || IsRectEmpty(&last);
  if (shrank && form_->HandleAllocated()) {
    const SkinModel* model = SkinData.Model();
    const TsGeneralData* s = SkinData.Section();
    if (model && s) {
      for (const char* corner : {"IMGTOPRIGHT", "IMGBTMRIGHT"}) {
        const int mask = model->FindMask(SkinData.SectionIndex, SkinData.SectionName(), corner);
        if (!model->MaskIndexValid(mask)) continue;
        const MaskSize size = model->MaskStateSize(mask);
        RECT r{last.right - size.x, last.bottom - size.y, last.right, last.bottom};
        InvalidateRect(form_->Handle(), &r, TRUE);
      }
      if (s->GradientPercent > 0) InvalidateRect(form_->Handle(), nullptr, TRUE);
    }
    if (GripMode == TsGripMode::gmRightBottom) {
      RECT grip{w - 20, h - 20, w, h};
      InvalidateRect(form_->Handle(), &grip, TRUE);
    }
  }
  if (GripMode == TsGripMode::gmRightBottom && !IsRectEmpty(&last) && !SkinData.NeedsFullRepaint() &&
      (w > last.right || h > last.bottom)) {
    RECT old{last.right - 20, last.bottom - 20, last.right, last.bottom};
    InvalidateRect(form_->Handle(), &old, TRUE);
  }
  prevClientRect_ = {0, 0, w, h};
  CallSaved(m);
  if (!Showing() || FormAnimating) return;
  const TBitmap* image = SkinData.CacheBitmap();
  const bool sameSize = image && image->Width() == OuterWidth() && image->Height() == OuterHeight();
  if ((Shape().Iconic && SystemSixOrLater()) || sameSize) return;
  RegionDirty = true;
  MarkChanged();
  MenuRowCount = -1;
  PaintNonClient();
}

void TsSkinProvider::HandleShowingChanged(Message& m) {
  TsSkinManager* manager = SkinData.UsedManager();
  const bool wanted = SkinData.BackgroundChanged && form_->Visible() && manager &&
                      ManagerSeams().AnimateWindowChange;
  const TvtFormAnimation effect = manager ? (form_->BorderStyle == TFormBorderStyle::bsDialog
                                                 ? manager->AnimEffects().DialogShow
                                                 : manager->AnimEffects().FormShow)
                                          : TvtFormAnimation{false, 0};
  CreateCtrlAdapter();
  if (!wanted || !effect.Active || effect.Time == 0) {
    CallSaved(m);
    return;
  }
  const HWND wnd = form_->Handle();
  ShowAnimating = true;
  FormAnimating = true;
  struct Done {
    TsSkinProvider& p;
    ~Done() {
      p.ShowAnimating = false;
      FormAnimating = false;
    }
  } done{*this};
  SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  RebuildRegionHoles();
  ApplyRegion(false);
  CallSaved(m);
  SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
  ShowAnimating = false;
  ManagerSeams().AnimateWindowChange(form_, effect.Time);
  RebuildRegionHoles();
  ApplyRegion(false);
  FormAnimating = false;
  RedrawWindow(wnd, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN |
                   (SkinData.NeedsFullRepaint() ? 0 : RDW_ERASE));
  regionBusy_ = false;
}

void TsSkinProvider::SnapPosition(WINDOWPOS& pos) const {
  if (!ScreenSnap || Shape().Maximized || (pos.flags & SWP_NOMOVE)) return;
  if (pos.x == 0 && pos.y == 0) return;
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  MONITORINFO monitor{sizeof(monitor)};
  GetMonitorInfoW(MonitorFromWindow(form_->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  auto snap = [this](int& p, int edge, int e) {
    if (std::abs(e + p - edge) < SnapBuffer) p = edge - e;
  };
  const int w = OuterWidth(), h = OuterHeight();
  snap(pos.x, work.right, w);
  snap(pos.y, work.bottom, h);
  snap(pos.x, work.left, monitor.rcMonitor.left);
  snap(pos.y, work.top, monitor.rcMonitor.top);
}

}  // namespace folvane
