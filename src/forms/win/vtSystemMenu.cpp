#include "forms/win/vtSystemMenu.h"

#include "menus/win/sSkinMenus.h"
#include "runtime/win/Menus.h"

namespace folvane {

namespace {

TvtSystemMenuItem MakeItem(const wchar_t* name, const wchar_t* caption, UINT command) {
  TvtSystemMenuItem item;
  item.Name = name;
  item.Caption = caption;
  item.Command = command;
  return item;
}

}  // namespace

TvtSystemMenu::PopupObserver& TvtSystemMenu::TestObserver() {
  static PopupObserver observer = nullptr;
  return observer;
}

TvtSystemMenu::TvtSystemMenu(HWND dialog) : dialog_(dialog) {
  Items = {MakeItem(L"miRestore", L"Restore", SC_RESTORE),
           MakeItem(L"miMove", L"Move", SC_MOVE),
           MakeItem(L"miSize", L"Size", SC_SIZE),
           MakeItem(L"miMinimize", L"Minimize", SC_MINIMIZE),
           MakeItem(L"miMaximize", L"Maximize", SC_MAXIMIZE),
           MakeItem(L"N1", L"-", 0),
           MakeItem(L"miClose", L"Close", SC_CLOSE)};
}

TvtSystemMenuItem* TvtSystemMenu::Find(const std::wstring& name) {
  for (TvtSystemMenuItem& item : Items)
    if (item.Name == name) return &item;
  return nullptr;
}

void TvtSystemMenu::Refresh(const DialogMenuState& s) {
  const bool sizing = s.FrameKind == 1 || s.FrameKind == 3;
  const bool restorable = s.MaximizeBox && (s.Iconic || s.Zoomed);
  const bool minimizable = s.MinimizeBox && !s.Iconic;
  const bool maximizable = s.MaximizeBox && !s.Zoomed && sizing;
  auto set = [this](const wchar_t* name, bool visible, bool enabled) {
    if (TvtSystemMenuItem* item = Find(name)) {
      item->Visible = visible;
      item->Enabled = enabled;
    }
  };
  set(L"miRestore", sizing && s.SysMenu, restorable);
  set(L"miMove", true, !s.Zoomed);
  set(L"miSize", s.FrameKind != 0 && s.FrameKind != 2 && s.FrameKind != 4,
      s.FrameKind != 1 && !s.Iconic);
  set(L"miMinimize", s.MinimizeBox, minimizable);
  set(L"miMaximize", s.MaximizeBox, maximizable);
  set(L"N1", s.SysMenu, true);
  set(L"miClose", s.SysMenu, true);
}

void TvtSystemMenu::PopupAt(int x, int y) {
  if (PopupObserver observer = TestObserver()) {
    const std::wstring chosen = observer(Items);
    if (!chosen.empty()) Choose(chosen);
    return;
  }
  // Made for this showing: the menu skinning draws it like every popup.
  std::wstring chosen;
  TPopupMenu menu(nullptr);
  for (const TvtSystemMenuItem& source : Items) {
    auto* item = new TMenuItem(nullptr);
    item->Name = source.Name;
    item->SetCaption(source.Caption);
    item->SetVisible(source.Visible);
    item->SetEnabled(source.Enabled);
    if (source.Command == SC_CLOSE) item->SetShortCut(ShortCut(VK_F4, scAlt));
    const std::wstring name = source.Name;
    item->OnClick = [&chosen, name](TMenuItem*) { chosen = name; };
    menu.Items()->Add(item);
  }
  HandMenuToSkinning(menu);
  menu.Popup(x, y);
  if (!chosen.empty()) Choose(chosen);
}

void TvtSystemMenu::Choose(const std::wstring& name) {
  const TvtSystemMenuItem* item = Find(name);
  if (!item || !item->Command || !item->Enabled || !item->Visible || !IsWindow(dialog_)) return;
  // Posted: the dialog may close, and its adapter go, at once.
  PostMessageW(dialog_, WM_SYSCOMMAND, item->Command, 0);
}

}  // namespace folvane
