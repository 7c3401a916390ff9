#pragma once
// A form with a skin manager holding the program's internal skin, a popup
// menu of every item kind on it, and a way to act while the popup's menu
// loop runs (thread timers are dispatched by the loop).

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "menus/win/sSkinMenus.h"
#include "runtime/win/Form.h"
#include "runtime/win/Menus.h"
#include "runtime/win/Resources.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

namespace folvane::testing {

// Runs each step on its own timer tick while a menu shows; the last step is
// followed by EndMenu, so that no test waits on an open menu.
class MenuSteps {
 public:
  explicit MenuSteps(std::vector<std::function<void()>> steps, UINT interval = 150)
      : steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, interval, Tick);
  }
  ~MenuSteps() {
    if (timer_) KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  MenuSteps(const MenuSteps&) = delete;
  MenuSteps& operator=(const MenuSteps&) = delete;
  bool Done() const { return next_ > steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuSteps* self = current_;
    if (!self) return;
    if (self->next_ < self->steps_.size()) {
      auto step = self->steps_[self->next_++];
      step();
    } else {
      ++self->next_;
      KillTimer(nullptr, self->timer_);
      self->timer_ = 0;
      EndMenu();
    }
  }
  static inline MenuSteps* current_ = nullptr;
  std::vector<std::function<void()>> steps_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

// The popup windows on screen, newest first.
inline BOOL CALLBACK CollectPopup(HWND wnd, LPARAM list) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(wnd))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

inline std::vector<HWND> PopupWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectPopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

inline void PostKey(WPARAM key) {
  for (HWND wnd : PopupWindows()) {
    PostMessageW(wnd, WM_KEYDOWN, key, 0);
    PostMessageW(wnd, WM_KEYUP, key, 0xC0000000);
    return;
  }
}

class SkinnedMenuTest : public test::NoHandleLeaks {
 protected:
  void SetUp() override {
    InstallMenuSkinning();
    NoHandleLeaks::SetUp();
    form = new TForm(Application);
    form->SetBounds(40, 40, 300, 200);
    manager = new TsSkinManager(form);
    TsStoredSkin ambrel;
    ambrel.Name = u"Ambrel (internal)";
    ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
    manager->SetInternalSkins({ambrel});
    manager->SetSkinName(L"Ambrel (internal)");
    menus = SkinableMenusOf(manager);
    popup = new TPopupMenu(form);
    form->Show();
    Pump(50);
  }
  void TearDown() override {
    delete form;  // a test may have freed it already
    Pump(20);
    NoHandleLeaks::TearDown();
  }
  TMenuItem* Add(TMenuItem* parent, const wchar_t* caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  TMenuItem* Add(const wchar_t* caption) { return Add(popup->Items(), caption); }
  // Shows the popup at the form's client origin while `steps` run.
  void ShowPopup(std::vector<std::function<void()>> steps) {
    HandMenuToSkinning(*popup);
    MenuSteps running(std::move(steps));
    POINT at{20, 20};
    ClientToScreen(form->Handle(), &at);
    popup->Popup(at.x, at.y);
  }

  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  TsSkinableMenus* menus = nullptr;
  TPopupMenu* popup = nullptr;
};

}  // namespace folvane::testing
