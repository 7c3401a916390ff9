#include "skin/win/OutputWindow.h"

#include "runtime/win/Application.h"

namespace folvane {

TOutputWindow* TOutputWindow::current_ = nullptr;

TOutputWindow::TOutputWindow(TWinControl* faded) : TWinControl(faded), faded_(faded) {
  current_ = this;
  SetVisible(false);
  SetCaption(L"vtOutputWindow");
  SetColor(0x800080);
  Tag = -98;
}

TOutputWindow::~TOutputWindow() {
  MarkDestroying();
  if (current_ == this) current_ = nullptr;
}

void TOutputWindow::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  if (!Parent()) {
    params.style = WS_POPUP;
    params.owner = Application ? Application->Handle() : nullptr;
    if (faded_->HandleAllocated() &&
        (GetWindowLongW(faded_->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST))
      params.exStyle |= WS_EX_TOPMOST;
  }
}

void TOutputWindow::WndProc(Message& m) {
  switch (m.msg) {
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    case WM_NCPAINT:
    case WM_PAINT:
      if (m.msg == WM_PAINT) ValidateRect(Handle(), nullptr);
      m.result = 0;
      return;
    default:
      TWinControl::WndProc(m);
  }
}

void TOutputWindow::ShowOver() {
  if (faded_->Parent()) {
    SetParent(faded_->Parent());
    SetBounds(faded_->Left(), faded_->Top(), faded_->Width(), faded_->Height());
    HandleNeeded();
    // Directly after the faded control in its parent's child order.
    SetWindowPos(Handle(), faded_->HandleAllocated() ? faded_->Handle() : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNA);
    return;
  }
  RECT r{};
  if (faded_->HandleAllocated()) GetWindowRect(faded_->Handle(), &r);
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  HandleNeeded();
  HWND above = faded_->HandleAllocated() ? GetWindow(faded_->Handle(), GW_HWNDPREV) : nullptr;
  SetWindowPos(Handle(), above ? above : HWND_TOP, r.left, r.top, r.right - r.left,
               r.bottom - r.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TOutputWindow::HideAfterFade() {
  if (!HandleAllocated()) return;
  UINT flags = SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  const bool layered = faded_->HandleAllocated() &&
                       (GetWindowLongW(faded_->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  if (!layered) flags |= SWP_NOREDRAW | SWP_NOCOPYBITS;
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, flags);
}

}  // namespace folvane
