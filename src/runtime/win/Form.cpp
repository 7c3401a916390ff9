#include "runtime/win/Form.h"

#include <commctrl.h>

#include "runtime/win/Application.h"

namespace folvane {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  if (Application) Application->AddForm(this);
}

TForm::~TForm() {
  MarkDestroying();
  if (Application) Application->RemoveForm(this);
  if (hintWnd_) {
    DestroyWindow(hintWnd_);
    HandleCount::Released(HandleKind::Window);
  }
}

void TForm::CreateParamsFor(CreateParams& params) {
  params.className = ClassName();
  params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.exStyle = 0;
  switch (BorderStyle) {
    case TFormBorderStyle::bsNone: params.style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable: params.style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      params.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.style |= WS_CAPTION | WS_THICKFRAME;
      params.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (BorderStyle != TFormBorderStyle::bsNone && (BorderIcons & biSystemMenu)) {
    params.style |= WS_SYSMENU;
    if (BorderStyle != TFormBorderStyle::bsDialog &&
        BorderStyle != TFormBorderStyle::bsSizeToolWin) {
      if (BorderIcons & biMinimize) params.style |= WS_MINIMIZEBOX;
      if (BorderIcons & biMaximize) params.style |= WS_MAXIMIZEBOX;
    }
  }
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (main == this) {
    if (Application->MainFormOnTaskBar) params.exStyle |= WS_EX_APPWINDOW;
    else params.owner = Application->Handle();
  } else {
    params.owner = main && main->HandleAllocated() ? main->Handle()
                   : Application                   ? Application->Handle()
                                                   : nullptr;
  }
}

void TForm::CreateWindowHandleDone() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  if (icon && BorderStyle != TFormBorderStyle::bsDialog) {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  if (clientWidth_ > 0) SetClientSize(clientWidth_, clientHeight_);
  CreateHintWindow();
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  CreateParams params;
  CreateParamsFor(params);
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
  TWinControl::SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::CenterWindow() {
  RECT area;
  if (Position == TPosition::poDesktopCenter) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int x = area.left + (area.right - area.left - Width()) / 2;
  const int y = area.top + (area.bottom - area.top - Height()) / 2;
  TWinControl::SetBounds(x, y, Width(), Height());
}

void TForm::Show() {
  HandleNeeded();
  if (Position != TPosition::poDesigned && !IsWindowVisible(Handle())) CenterWindow();
  TControl::SetVisible(true);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  UpdateWindow(Handle());
}

void TForm::Hide() {
  TControl::SetVisible(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND w, LPARAM lp) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
  if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
  return TRUE;
}

}  // namespace

int TForm::ShowModal() {
  HandleNeeded();
  // Every other window of the program waits while the form is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                    reinterpret_cast<LPARAM>(&disabled));
  HWND previousActive = GetActiveWindow();
  for (HWND w : disabled) EnableWindow(w, FALSE);
  modal_ = true;
  ModalResult = mrNone;
  Show();
  FocusFirstControl();
  while (ModalResult == mrNone && Application && !Application->Terminated())
    Application->HandleMessage();
  const int result = ModalResult;
  for (HWND w : disabled)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
  Hide();
  modal_ = false;
  return result;
}

void TForm::Close() {
  if (modal_) {
    if (ModalResult == mrNone) ModalResult = mrCancel;
    return;
  }
  Hide();
  if (Application && Application->MainForm() == this) Application->Terminate();
}

void TForm::SetActiveControl(TWinControl* control) { activeControl_ = control; }

void TForm::FocusArrived(TWinControl* control) {
  if (control != this) activeControl_ = control;
}

void TForm::FocusFirstControl() {
  if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated()) {
    ::SetFocus(activeControl_->Handle());
    return;
  }
  SelectNext(nullptr, true);
}

void TForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> order;
  GetTabOrderList(order);
  std::vector<TWinControl*> stops;
  for (TWinControl* c : order)
    if (c->TabStop && c->CanFocus()) stops.push_back(c);
  if (stops.empty()) return;
  size_t index = 0;
  bool found = false;
  for (size_t i = 0; i < stops.size(); ++i)
    if (stops[i] == current) {
      index = i;
      found = true;
    }
  if (!found) index = forward ? stops.size() - 1 : 0;
  index = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
  stops[index]->SetFocus();
}

TButtonControl* TForm::FindButton(bool wantDefault) const {
  std::vector<TWinControl*> order;
  GetTabOrderList(order);
  for (TWinControl* c : order) {
    auto* b = dynamic_cast<TButtonControl*>(c);
    if (b && b->Visible() && b->Enabled() && (wantDefault ? b->Default : b->Cancel)) return b;
  }
  return nullptr;
}

bool TForm::DialogKey(WPARAM key) {
  if (key == VK_TAB) {
    const bool back = GetKeyState(VK_SHIFT) < 0;
    auto* focused = dynamic_cast<TWinControl*>(FromHandle(GetFocus()));
    SelectNext(focused ? focused : activeControl_, !back);
    return true;
  }
  if (key == VK_RETURN) {
    // A focused button answers Enter itself; otherwise the default button.
    auto* focused = dynamic_cast<TButtonControl*>(FromHandle(GetFocus()));
    TButtonControl* b = focused ? focused : FindButton(true);
    if (!b) return false;
    b->Click();
    return true;
  }
  if (key == VK_ESCAPE) {
    if (TButtonControl* b = FindButton(false)) {
      b->Click();
      return true;
    }
    if (modal_) {
      ModalResult = mrCancel;
      return true;
    }
  }
  return false;
}

void TForm::WndProc(Message& m) {
  switch (m.msg) {
    case CM_DIALOGKEY:
      m.result = DialogKey(m.wParam) ? 1 : 0;
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      if (LOWORD(m.wParam) != WA_INACTIVE) {
        DefaultHandler(m);
        FocusFirstControl();
        m.result = 0;
        return;
      }
      break;
    case WM_SETFOCUS:
      // The form itself never keeps the focus while it has a control for it.
      FocusFirstControl();
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TForm::CreateHintWindow() {
  if (hintWnd_ || !ShowHints) return;
  hintWnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!hintWnd_) return;
  HandleCount::Created(HandleKind::Window);
  SendMessageW(hintWnd_, TTM_SETMAXTIPWIDTH, 0, 400);
  if (Application && !Application->ShowHint()) ActivateHints(false);
  std::vector<TWinControl*> order;
  GetTabOrderList(order);
  for (TWinControl* c : order) UpdateHint(c);
}

void TForm::UpdateHint(TWinControl* control) {
  if (!hintWnd_ || !control->HandleAllocated()) return;
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(control->Handle());
  SendMessageW(hintWnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  if (!control->ShowHint || control->Hint.empty()) return;
  ti.lpszText = const_cast<wchar_t*>(control->Hint.c_str());
  SendMessageW(hintWnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void TForm::ActivateHints(bool active) {
  if (hintWnd_) SendMessageW(hintWnd_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void TButtonControl::Click() {
  if (TForm* form = ParentForm()) {
    if (ModalResult != mrNone) form->ModalResult = ModalResult;
  }
  TWinControl::Click();
}

}  // namespace folvane
