#include "runtime/win/Application.h"

#include <commctrl.h>
#include <ole2.h>

#include "runtime/Exception.h"
#include "runtime/win/Control.h"
#include "runtime/win/Form.h"

namespace folvane {

TApplication* Application = nullptr;

namespace {

LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (Application && Application->Handle() == wnd) {
    Message m{msg, wp, lp, 0};
    try {
      if (Application->RunMainWindowHooks(m)) return m.result;
    } catch (...) {
      Application->HandleException(std::current_exception());
      return 0;
    }
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

std::wstring Widen(const char* text) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (n <= 1) return L"";
  std::wstring out(static_cast<size_t>(n - 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), n);
  return out;
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr) {
  if (!Application) Application = this;
}

TApplication::~TApplication() {
  MarkDestroying();
  // Forms are owned components: the base destructor frees them, windows
  // first, before the application window goes.
  while (!Components().empty()) delete Components().back();
  if (handle_) {
    DestroyWindow(handle_);
    HandleCount::Released(HandleKind::Window);
  }
  if (initialized_) OleUninitialize();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  OleInitialize(nullptr);
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = inst;
  wc.hIcon = LoadIconW(inst, L"MAINICON");
  wc.lpszClassName = L"TApplication";
  RegisterClassExW(&wc);
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"TApplication", title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU, 0, 0, 0, 0,
                            nullptr, nullptr, inst, nullptr);
  if (handle_) HandleCount::Created(HandleKind::Window);
}

int TApplication::HookMainWindow(MainWindowHook hook) {
  hooks_.emplace_back(nextHookId_, std::move(hook));
  return nextHookId_++;
}

void TApplication::UnhookMainWindow(int id) {
  for (auto it = hooks_.begin(); it != hooks_.end(); ++it)
    if (it->first == id) {
      hooks_.erase(it);
      return;
    }
}

bool TApplication::RunMainWindowHooks(Message& m) {
  // A copy: a hook may unhook itself or others while it runs.
  const auto hooks = hooks_;
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
    if (it->second && it->second(m)) return true;
  return false;
}

void TApplication::SetTitle(const std::wstring& title) {
  title_ = title;
  if (handle_ && !MainFormOnTaskBar) SetWindowTextW(handle_, title.c_str());
}

void TApplication::AddForm(TForm* form) {
  forms_.push_back(form);
  if (!mainForm_) mainForm_ = form;
}

void TApplication::RemoveForm(TForm* form) {
  for (auto it = forms_.begin(); it != forms_.end(); ++it)
    if (*it == form) {
      forms_.erase(it);
      break;
    }
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::PreTranslate(MSG& msg) {
  if (msg.message == WM_KEYDOWN) {
    swallowChar_ = 0;
    // The control (or the control around a window of a standard control)
    // gets the first word on Tab, Enter and Escape.
    for (HWND w = msg.hwnd; w; w = GetParent(w)) {
      if (TControl* c = TWinControl::FromHandle(w)) {
        if (c->Perform(CN_KEYDOWN, msg.wParam, msg.lParam)) {
          swallowChar_ = msg.wParam;
          return true;
        }
        break;
      }
    }
  } else if (msg.message == WM_CHAR && swallowChar_) {
    const WPARAM key = swallowChar_;
    swallowChar_ = 0;
    if ((key == VK_TAB && msg.wParam == L'\t') || (key == VK_RETURN && msg.wParam == L'\r') ||
        (key == VK_ESCAPE && msg.wParam == 0x1B))
      return true;
  }
  return false;
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage() && !terminated_) WaitMessage();
}

std::wstring TApplication::ExceptionText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return Widen(e.what());
  } catch (...) {
    return L"Unknown error";
  }
}

void TApplication::HandleException(std::exception_ptr error) {
  ShowException(ExceptionText(error));
}

void TApplication::ShowException(const std::wstring& text) {
  std::wstring shown = text;
  if (shown.empty() || shown.back() != L'.') shown += L'.';
  ShowMessageBox(shown, title_, MB_OK | MB_ICONERROR);
}

int TApplication::ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                             UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_) owner = mainForm_->Handle();
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::SetShowHint(bool value) {
  showHint_ = value;
  for (TForm* form : forms_) form->ActivateHints(value);
}

}  // namespace folvane
