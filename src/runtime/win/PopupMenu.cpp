// Popup menus tracked through a hidden window of their own, and main menus
// shown as a window's menu bar.
#include <exception>

#include "runtime/win/Application.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/Menus.h"

namespace folvane {

namespace {

constexpr wchar_t kPopupWindowClass[] = L"FolvanePopupMenuOwner";
HWND currentPopupWindow = nullptr;

LRESULT CALLBACK PopupOwnerProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  try {
    Message m{msg, wp, lp, 0};
    if (DispatchMenuMessage(m)) return m.result;
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

void RegisterPopupOwnerClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = PopupOwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kPopupWindowClass;
  registered = RegisterClassExW(&wc) != 0;
}

// The hidden window that owns one popup while it is tracked.
class PopupOwnerWindow {
 public:
  PopupOwnerWindow() {
    RegisterPopupOwnerClass();
    wnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kPopupWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (wnd_) HandleCount::Created(HandleKind::Window);
    previous_ = currentPopupWindow;
    currentPopupWindow = wnd_;
  }
  ~PopupOwnerWindow() {
    currentPopupWindow = previous_;
    if (!wnd_) return;
    DestroyWindow(wnd_);
    HandleCount::Released(HandleKind::Window);
  }
  PopupOwnerWindow(const PopupOwnerWindow&) = delete;
  PopupOwnerWindow& operator=(const PopupOwnerWindow&) = delete;
  HWND Get() const { return wnd_; }

 private:
  HWND wnd_ = nullptr;
  HWND previous_ = nullptr;
};

}  // namespace

// --- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() {
  if (tracking_) {
    // The menu loop is told to end; the call that runs it learns that the
    // menu is gone and touches nothing of it afterwards.
    if (destroyed_) *destroyed_ = true;
    EndMenu();
  }
}

HWND TPopupMenu::PopupWindow() { return currentPopupWindow; }

void TPopupMenu::Popup(int x, int y) {
  if (tracking_) return;
  if (OnPopup) OnPopup(this);
  HMENU menu = Handle();
  if (!menu) return;
  Items()->RebuildHandle();
  PopupOwnerWindow owner;
  if (!owner.Get()) return;
  bool destroyed = false;
  destroyed_ = &destroyed;
  tracking_ = true;
  const UINT flags = Alignment | TPM_RIGHTBUTTON | TPM_RETURNCMD |
                     (RightToLeft ? TPM_LAYOUTRTL : 0);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, flags, x, y, 0, owner.Get(), nullptr));
  if (destroyed) return;
  tracking_ = false;
  destroyed_ = nullptr;
  if (!command) return;
  if (TMenuItem* item = TMenuItem::FromCommand(command)) item->Click();
}

// --- TMainMenu

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
  if (window_ && IsWindow(window_) && Items()->HandleAllocated() &&
      GetMenu(window_) == Items()->Handle())
    SetMenu(window_, nullptr);
}

void TMainMenu::AttachTo(HWND window) {
  if (window_ && IsWindow(window_) && Items()->HandleAllocated() &&
      GetMenu(window_) == Items()->Handle())
    SetMenu(window_, nullptr);
  window_ = window;
  if (window_) SetMenu(window_, Handle());
}

void TMainMenu::MenuChanged() {
  if (window_ && IsWindow(window_)) DrawMenuBar(window_);
}

}  // namespace folvane
