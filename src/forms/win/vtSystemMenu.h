#pragma once
// TvtSystemMenu: the window menu of a skinned system dialog box, which
// replaces the system's own once the dialog adapter has taken WS_SYSMENU
// away. Its items follow the dialog's frame kind and state.

#include <windows.h>

#include <string>
#include <vector>

#include "forms/win/sSystemMenu.h"

namespace folvane {

// The dialog menu's items are window-menu items ("miRestore" ...).
using TvtSystemMenuItem = TsSystemMenuItem;

// What the menu reads of its dialog.
struct DialogMenuState {
  int FrameKind = 0;  // 0 dialog frame, 1 initial, 2 none, 3 sizing frame
  bool SysMenu = false;
  bool MinimizeBox = false;
  bool MaximizeBox = false;
  bool Zoomed = false;
  bool Iconic = false;
};

class TvtSystemMenu {
 public:
  explicit TvtSystemMenu(HWND dialog);

  std::vector<TvtSystemMenuItem> Items;

  void Refresh(const DialogMenuState& state);
  // Shows the menu at a screen point and carries the chosen item out.
  void PopupAt(int x, int y);
  void Choose(const std::wstring& name);
  // For tests: called with the items just before the menu shows; a name
  // returned is chosen instead of tracking the menu.
  using PopupObserver = std::wstring (*)(const std::vector<TvtSystemMenuItem>& items);
  static PopupObserver& TestObserver();

 private:
  TvtSystemMenuItem* Find(const std::wstring& name);
  HWND dialog_;
};

}  // namespace folvane
