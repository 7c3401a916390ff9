#include "forms/win/sSystemMenu.h"

#include <algorithm>

#include "forms/win/sSkinProvider.h"
#include "menus/win/sSkinMenus.h"
#include "runtime/win/Menus.h"
#include "skin/SkinDirectory.h"

namespace folvane {

namespace {

const wchar_t kSkinItem[] = L"SkinSelectItem";
constexpr int kSkinsPerColumn = 20;

// The items as runtime menu items under `parent`; a click records the
// item's name, carried out once the menu has gone.
void AddItems(TMenuItem& parent, const std::vector<TsSystemMenuItem>& items,
              std::wstring& chosen) {
  for (const TsSystemMenuItem& source : items) {
    auto* item = new TMenuItem(nullptr);
    item->Name = source.Name;
    item->SetCaption(source.Caption);
    item->SetVisible(source.Visible);
    item->SetEnabled(source.Enabled);
    item->SetRadioItem(source.RadioItem);
    item->SetChecked(source.Checked);
    if (source.Break) item->SetBreak(TMenuBreak::mbBreak);
    if (source.ShortCut == L"Alt+F4") item->SetShortCut(ShortCut(VK_F4, scAlt));
    const std::wstring name = source.Name;
    if (source.Items.empty())
      item->OnClick = [&chosen, name](TMenuItem*) { chosen = name; };
    parent.Add(item);
    AddItems(*item, source.Items, chosen);
  }
}

TsSystemMenuItem MakeItem(const wchar_t* name, const wchar_t* caption, UINT command) {
  return MakeSystemMenuItem(name, caption, command);
}

}  // namespace

TsSystemMenuItem MakeSystemMenuItem(const wchar_t* name, const wchar_t* caption, UINT command) {
  TsSystemMenuItem item;
  item.Name = name;
  item.Caption = caption;
  item.Command = command;
  return item;
}

std::wstring PopupSystemMenuItems(const std::vector<TsSystemMenuItem>& items, int x, int y) {
  // Made for this showing: the menu skinning draws it like every popup.
  std::wstring chosen;
  TPopupMenu menu(nullptr);
  AddItems(*menu.Items(), items, chosen);
  HandMenuToSkinning(menu);
  menu.Popup(x, y);
  return chosen;
}

TsSystemMenu::PopupObserver& TsSystemMenu::TestObserver() {
  static PopupObserver observer = nullptr;
  return observer;
}

TsSystemMenu::TsSystemMenu(TsSkinProvider& provider) : provider_(provider) {
  Items = {MakeItem(L"ItemRestore", L"Restore", SC_RESTORE),
           MakeItem(L"ItemMove", L"Move", SC_MOVE),
           MakeItem(L"ItemSize", L"Size", SC_SIZE),
           MakeItem(L"ItemMinimize", L"Minimize", SC_MINIMIZE),
           MakeItem(L"ItemMaximize", L"Maximize", SC_MAXIMIZE),
           MakeItem(L"N1", L"-", 0),
           MakeItem(L"ItemClose", L"Close", SC_CLOSE)};
  Items.back().ShortCut = L"Alt+F4";
}

TsSystemMenuItem* TsSystemMenu::Find(const std::wstring& name) {
  for (TsSystemMenuItem& item : Items) {
    if (item.Name == name) return &item;
    for (TsSystemMenuItem& sub : item.Items)
      if (sub.Name == name) return &sub;
  }
  return nullptr;
}

void TsSystemMenu::Refresh() {
  const FormShape f = provider_.Shape();
  auto set = [this](const wchar_t* name, bool visible, bool enabled) {
    if (TsSystemMenuItem* item = Find(name)) {
      item->Visible = visible;
      item->Enabled = enabled;
    }
  };
  set(L"ItemRestore", RestoreVisible(f), RestoreEnabled(f));
  set(L"ItemMove", true, MoveEnabled(f));
  set(L"ItemSize", SizeVisible(f), SizeEnabled(f));
  set(L"ItemMinimize", MinVisible(f), MinEnabled(f));
  set(L"ItemMaximize", MaxVisible(f), MaxEnabled(f));
  set(L"ItemClose", f.WindowMenu, true);
}

void TsSystemMenu::RebuildSkinItems() {
  if (!Items.empty() && Items.front().Name == kSkinItem) {
    Items.erase(Items.begin());
    if (!Items.empty() && Items.front().Caption == L"-") Items.erase(Items.begin());
  }
  TsSkinManager* manager = provider_.SkinData.UsedManager();
  if (!provider_.MakeSkinMenu || !manager) return;
  const SkinNameList list = ListSkinNames(manager->InternalSkins(),
                                          manager->Model().SkinData().SkinPath, SkinListMode::Both);
  if (list.Names.empty()) return;
  TsSystemMenuItem skins = MakeItem(kSkinItem, L"Available skins", 0);
  for (size_t i = 0; i < list.Names.size(); ++i) {
    const std::wstring caption(list.Names[i].begin(), list.Names[i].end());
    TsSystemMenuItem item = MakeItem((kSkinItem + std::to_wstring(i)).c_str(), caption.c_str(), 0);
    item.RadioItem = true;
    item.Checked = caption == manager->SkinName();
    item.Break = i > 0 && i % kSkinsPerColumn == 0;
    skins.Items.push_back(item);
  }
  Items.insert(Items.begin(), {skins, MakeItem(L"N0", L"-", 0)});
}

void TsSystemMenu::PopupAt(int x, int y) {
  TForm* form = provider_.Form();
  if (!form || !form->HandleAllocated()) return;
  RebuildSkinItems();
  if (PopupObserver observer = TestObserver()) {
    const std::wstring chosen = observer(Items, x, y);
    if (!chosen.empty()) Choose(chosen);
    return;
  }
  const std::wstring chosen = PopupSystemMenuItems(Items, x, y);
  if (!chosen.empty()) Choose(chosen);
}

void TsSystemMenu::Choose(const std::wstring& name) {
  TForm* form = provider_.Form();
  if (!form || !form->HandleAllocated()) return;
  if (name.rfind(kSkinItem, 0) == 0 && name.size() > wcslen(kSkinItem)) {
    const TsSystemMenuItem* item = Find(name);
    TsSkinManager* manager = provider_.SkinData.UsedManager();
    if (!item || !manager) return;
    std::wstring skin = item->Caption;
    skin.erase(std::remove(skin.begin(), skin.end(), L'&'), skin.end());
    manager->SetSkinName(skin);
    return;
  }
  const TsSystemMenuItem* item = Find(name);
  if (!item || !item->Command || !item->Enabled) return;
  SendMessageW(form->Handle(), WM_SYSCOMMAND, item->Command, 0);
  if (item->Command == SC_RESTORE || item->Command == SC_MAXIMIZE ||
      item->Command == SC_MINIMIZE)
    Refresh();
}

}  // namespace folvane
