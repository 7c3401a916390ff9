#pragma once
// TsSystemMenu: the window menu of a skinned form, which replaces the
// system's own once the provider has taken WS_SYSMENU away. Its items
// follow the form's state (Refresh); with MakeSkinMenu it also lists the
// skins the manager can load and switches to the one chosen.

#include <windows.h>

#include <string>
#include <vector>

namespace folvane {

class TsSkinProvider;

struct TsSystemMenuItem {
  std::wstring Name;     // "ItemRestore" ...
  std::wstring Caption;  // "-" for the separator
  std::wstring ShortCut;
  UINT Command = 0;      // the SC_ value the item sends
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  bool RadioItem = false;
  bool Break = false;    // starts a new column
  std::vector<TsSystemMenuItem> Items;
};

// A separator-or-command item of a window menu.
TsSystemMenuItem MakeSystemMenuItem(const wchar_t* name, const wchar_t* caption, UINT command);
// Shows the items as a skinned popup at a screen point and answers the name
// of the item chosen (empty when none); the menu is gone by then.
std::wstring PopupSystemMenuItems(const std::vector<TsSystemMenuItem>& items, int x, int y);

class TsSystemMenu {
 public:
  explicit TsSystemMenu(TsSkinProvider& provider);

  std::vector<TsSystemMenuItem> Items;

  // Visibility and enabling from the form's state.
  void Refresh();
  // Shows the menu at a screen point and carries the chosen item out.
  void PopupAt(int x, int y);
  // What choosing an item does (by name: "ItemClose", "SkinSelectItem3" ...).
  void Choose(const std::wstring& name);
  // The skins submenu as the popup builds it.
  void RebuildSkinItems();
  // Observers for tests: called with the menu's items just before it shows;
  // a name returned is chosen instead of tracking the menu.
  using PopupObserver = std::wstring (*)(const std::vector<TsSystemMenuItem>& items, int x, int y);
  static PopupObserver& TestObserver();

 private:
  TsSystemMenuItem* Find(const std::wstring& name);
  TsSkinProvider& provider_;
};

}  // namespace folvane
