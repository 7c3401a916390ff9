#include "runtime/win/Menus.h"

#include <algorithm>
#include <cwctype>
#include <exception>
#include <unordered_map>

#include "runtime/win/Application.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/MenuItemDefaults.h"

namespace folvane {

namespace {

// Items that exist, by command and by submenu. Commands are process-wide
// because the platform reports them without saying which menu they came
// from.
struct MenuRegistry {
  std::unordered_map<UINT, TMenuItem*> byCommand;
  std::unordered_map<HMENU, TMenuItem*> byMenu;
  UINT nextCommand = 1;
};

MenuRegistry& Registry() {
  static MenuRegistry registry;
  return registry;
}

UINT NewCommand(TMenuItem* item) {
  MenuRegistry& r = Registry();
  // Menu commands are 16 bits in WM_COMMAND; skip those still in use after
  // a wrap.
  do {
    r.nextCommand = r.nextCommand >= 0xFFFF ? 1 : r.nextCommand + 1;
  } while (r.byCommand.count(r.nextCommand));
  r.byCommand[r.nextCommand] = item;
  return r.nextCommand;
}

std::wstring KeyName(WORD key) {
  switch (key) {
    case VK_BACK: return L"BkSp";
    case VK_TAB: return L"Tab";
    case VK_RETURN: return L"Enter";
    case VK_ESCAPE: return L"Esc";
    case VK_SPACE: return L"Space";
    case VK_PRIOR: return L"PgUp";
    case VK_NEXT: return L"PgDn";
    case VK_END: return L"End";
    case VK_HOME: return L"Home";
    case VK_LEFT: return L"Left";
    case VK_UP: return L"Up";
    case VK_RIGHT: return L"Right";
    case VK_DOWN: return L"Down";
    case VK_INSERT: return L"Ins";
    case VK_DELETE: return L"Del";
    default: break;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, key);
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  return {};
}

// The caption's "&" letter (a doubled "&&" is a plain ampersand).
wchar_t AccelLetter(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

wchar_t FirstLetter(const std::wstring& caption) {
  for (wchar_t c : caption)
    if (c != L'&') return c;
  return 0;
}

bool SameLetter(wchar_t a, wchar_t b) { return a && std::towupper(a) == std::towupper(b); }

}  // namespace

TShortCut ShortCut(WORD key, TShortCut modifiers) {
  return static_cast<TShortCut>((key & 0xFF) | modifiers);
}

std::wstring ShortCutToText(TShortCut shortCut) {
  const std::wstring name = KeyName(shortCut & 0xFF);
  if (name.empty()) return {};
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + name;
}

// --- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = NewCommand(this); }

TMenuItem::~TMenuItem() {
  MarkDestroying();
  if (parent_) parent_->Remove(this);
  // The submenu lets go of its entries first, so that deleting a child
  // does not find its own submenu still held by this one.
  if (handle_) {
    while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  }
  while (!items_.empty()) {
    TMenuItem* child = items_.back();
    items_.pop_back();
    child->parent_ = nullptr;
    delete child;
  }
  DestroyMenuHandle();
  Registry().byCommand.erase(command_);
}

void TMenuItem::DestroyMenuHandle() {
  if (!handle_) return;
  Registry().byMenu.erase(handle_);
  DestroyMenu(handle_);
  HandleCount::Released(HandleKind::Menu);
  handle_ = nullptr;
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  // Checking a radio item clears the other radio items of its group (the
  // consecutive radio items around it).
  if (checked && radioItem_ && parent_) {
    const int at = MenuIndex();
    for (int i = at - 1; i >= 0 && parent_->Items(i)->radioItem_; --i)
      parent_->Items(i)->checked_ = false;
    for (int i = at + 1; i < parent_->Count() && parent_->Items(i)->radioItem_; ++i)
      parent_->Items(i)->checked_ = false;
  }
  Changed();
}

void TMenuItem::SetRadioItem(bool radio) {
  if (radio == radioItem_) return;
  radioItem_ = radio;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  Changed();
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (value == break_) return;
  break_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

void TMenuItem::SetBitmap(TBitmap bitmap) {
  bitmap_ = std::move(bitmap);
  Changed();
}

TMenuItem* TMenuItem::Add(TMenuItem* item) { return Insert(Count(), item); }

TMenuItem* TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return item;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
  return item;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  if (handle_) {
    // The submenu of a removed item stays with that item.
    if (item->handle_) {
      for (int i = GetMenuItemCount(handle_) - 1; i >= 0; --i)
        if (GetSubMenu(handle_, i) == item->handle_) RemoveMenu(handle_, i, MF_BYPOSITION);
    }
    if (!Destroying()) FillMenu(handle_);
  }
  if (!Destroying()) Changed();
}

int TMenuItem::MenuIndex() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

bool TMenuItem::IsOwnerDrawn() const {
  if (OnAdvancedDrawItem || OnMeasureItem) return true;
  const TMenu* menu = GetParentMenu();
  return menu && menu->OwnerDraw();
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    const bool bar = !parent_ && menu_ && menu_->IsMainMenu();
    handle_ = bar ? CreateMenu() : CreatePopupMenu();
    if (!handle_) return nullptr;
    HandleCount::Created(HandleKind::Menu);
    Registry().byMenu[handle_] = this;
    FillMenu(handle_);
  }
  return handle_;
}

void TMenuItem::RebuildHandle() {
  if (handle_) FillMenu(handle_);
}

void TMenuItem::FillMenu(HMENU menu) {
  // Entries are removed, never deleted: submenus belong to their items.
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
    const bool ownerDrawn = item->IsOwnerDrawn();
    info.fType = 0;
    if (item->IsLine()) info.fType |= MFT_SEPARATOR;
    if (ownerDrawn) info.fType |= MFT_OWNERDRAW;
    if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
    if (item->break_ == TMenuBreak::mbBreak) info.fType |= MFT_MENUBREAK;
    if (item->break_ == TMenuBreak::mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    if (item->checked_) info.fState |= MFS_CHECKED;
    if (!item->enabled_) info.fState |= MFS_DISABLED;
    if (item->default_) info.fState |= MFS_DEFAULT;
    info.wID = item->command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    info.hSubMenu = item->items_.empty() ? nullptr : item->Handle();
    if (info.hSubMenu) item->FillMenu(info.hSubMenu);
    // Owner-drawn items carry no text: the platform would otherwise match
    // their letters itself on some systems and not on others; WM_MENUCHAR
    // answers for all of them the same way.
    std::wstring text = item->caption_;
    const std::wstring shortCut = ShortCutToText(item->shortCut_);
    if (!shortCut.empty()) text += L"\t" + shortCut;
    if (!ownerDrawn && !item->IsLine()) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

void TMenuItem::Changed() {
  if (Destroying()) return;
  TMenuItem* above = parent_ ? parent_ : this;
  if (above->handle_) above->FillMenu(above->handle_);
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TMenuItem* TMenuItem::FromMenuHandle(HMENU menu) {
  auto& map = Registry().byMenu;
  auto it = map.find(menu);
  return it == map.end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::FromCommand(UINT command) {
  auto& map = Registry().byCommand;
  auto it = map.find(command);
  return it == map.end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::FromItemData(ULONG_PTR data) {
  // Only pointers the registry still holds are trusted: a menu may report
  // an item that has been freed while its popup was still on screen.
  auto* item = reinterpret_cast<TMenuItem*>(data);
  if (!item) return nullptr;
  for (const auto& entry : Registry().byCommand)
    if (entry.second == item) return item;
  return nullptr;
}

// --- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() { MarkDestroying(); }

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  items_->RebuildHandle();
  MenuChanged();
}

LRESULT TMenu::MenuChar(wchar_t ch, HMENU menu) {
  TMenuItem* parent = TMenuItem::FromMenuHandle(menu);
  if (!parent || !ch) return 0;
  // Positions count the entries the platform menu holds: visible items.
  std::vector<TMenuItem*> shown;
  for (TMenuItem* item : parent->ItemList())
    if (item->Visible()) shown.push_back(item);
  auto usable = [](TMenuItem* item) { return item->Enabled() && !item->IsLine(); };
  for (size_t i = 0; i < shown.size(); ++i)
    if (usable(shown[i]) && SameLetter(AccelLetter(shown[i]->Caption()), ch))
      return MAKELRESULT(i, MNC_EXECUTE);
  for (size_t i = 0; i < shown.size(); ++i)
    if (usable(shown[i]) && SameLetter(FirstLetter(shown[i]->Caption()), ch))
      return MAKELRESULT(i, MNC_EXECUTE);
  return 0;
}

// --- dispatching

bool DispatchMenuMessage(Message& m) {
  switch (m.msg) {
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
      if (!mis || mis->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromItemData(mis->itemData);
      if (!item) return false;
      WindowDC screen(nullptr);
      int width = static_cast<int>(mis->itemWidth);
      int height = static_cast<int>(mis->itemHeight);
      if (item->OnMeasureItem) {
        item->OnMeasureItem(item, screen.Get(), width, height);
      } else {
        MeasureMenuItemDefault(*item, screen.Get(), width, height);
      }
      mis->itemWidth = static_cast<UINT>(std::max(width, 0));
      mis->itemHeight = static_cast<UINT>(std::max(height, 0));
      m.result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
      if (!dis || dis->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FromItemData(dis->itemData);
      if (!item) return false;
      if (item->OnAdvancedDrawItem) {
        item->OnAdvancedDrawItem(item, dis->hDC, dis->rcItem, dis->itemState);
      } else {
        DrawMenuItemDefault(*item, dis->hDC, dis->rcItem, dis->itemState);
      }
      m.result = TRUE;
      return true;
    }
    case WM_COMMAND: {
      if (HIWORD(m.wParam) != 0 || m.lParam != 0) return false;
      TMenuItem* item = TMenuItem::FromCommand(LOWORD(m.wParam));
      if (!item) return false;
      item->Click();
      m.result = 0;
      return true;
    }
    case WM_MENUCHAR: {
      const LRESULT answer =
          TMenu::MenuChar(static_cast<wchar_t>(LOWORD(m.wParam)), reinterpret_cast<HMENU>(m.lParam));
      if (!answer) return false;
      m.result = answer;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace folvane
