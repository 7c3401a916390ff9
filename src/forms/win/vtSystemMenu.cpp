#include "forms/win/vtSystemMenu.h"

namespace folvane {

TvtSystemMenu::PopupObserver& TvtSystemMenu::TestObserver() {
  static PopupObserver observer = nullptr;
  return observer;
}

TvtSystemMenu::TvtSystemMenu(HWND dialog) : dialog_(dialog) {
  Items = {MakeSystemMenuItem(L"miRestore", L"Restore", SC_RESTORE),
           MakeSystemMenuItem(L"miMove", L"Move", SC_MOVE),
           MakeSystemMenuItem(L"miSize", L"Size", SC_SIZE),
           MakeSystemMenuItem(L"miMinimize", L"Minimize", SC_MINIMIZE),
           MakeSystemMenuItem(L"miMaximize", L"Maximize", SC_MAXIMIZE),
           MakeSystemMenuItem(L"N1", L"-", 0),
           MakeSystemMenuItem(L"miClose", L"Close", SC_CLOSE)};
  Items.back().ShortCut = L"Alt+F4";
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
  const std::wstring chosen = PopupSystemMenuItems(Items, x, y);
  if (!chosen.empty()) Choose(chosen);
}

void TvtSystemMenu::Choose(const std::wstring& name) {
  const TvtSystemMenuItem* item = Find(name);
  if (!item || !item->Command || !item->Enabled || !item->Visible || !IsWindow(dialog_)) return;
  // Posted: the dialog may close, and its adapter go, at once.
  PostMessageW(dialog_, WM_SYSCOMMAND, item->Command, 0);
}

}  // namespace folvane
