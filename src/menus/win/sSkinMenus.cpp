#include "menus/win/sSkinMenus.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "runtime/win/Application.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Form.h"
#include "runtime/win/MenuItemDefaults.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

// The menu's own skin-selection item never shows the extra line.
constexpr wchar_t kSkinSelectItem[] = L"SkinSelectItem";

}  // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager& manager)
    : manager_(manager), active_(manager.Active() && manager.SkinActive()) {}

TsSkinableMenus::~TsSkinableMenus() {
  for (auto& entry : states_) ReleaseWindow(*entry.second);
  states_.clear();
  if (active_ && Application) Activate(false);
}

bool TsSkinableMenus::SkinUsable() const {
  return manager_.Active() && manager_.SkinActive() && manager_.SkinnedPopups();
}

const SkinModel& TsSkinableMenus::Model() const { return manager_.Model(); }

UINT TsSkinableMenus::AlignmentFlag() const {
  switch (Alignment) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

int TsSkinableMenus::ActualSkinBorderWidth() {
  if (SkinBorderWidth < 0) SkinBorderWidth = ResolveSkinBorderWidth(-1, Model());
  return SkinBorderWidth;
}

// --- activation

void TsSkinableMenus::HookItem(TMenuItem& item, bool topLine, bool install) {
  if (install) {
    if (item.OnMeasureItem || item.OnAdvancedDrawItem) return;  // someone else's
    item.HandlersOwner = this;
    if (topLine) {
      item.OnMeasureItem = [this](TMenuItem* i, HDC dc, int& w, int& h) { MeasureTopItem(*i, dc, w, h); };
      item.OnAdvancedDrawItem = [this](TMenuItem* i, HDC dc, const RECT& r, TOwnerDrawState s) {
        DrawTopItem(*i, dc, r, s);
      };
    } else {
      item.OnMeasureItem = [this](TMenuItem* i, HDC dc, int& w, int& h) { MeasureItem(*i, dc, w, h); };
      item.OnAdvancedDrawItem = [this](TMenuItem* i, HDC dc, const RECT& r, TOwnerDrawState s) {
        DrawItem(*i, dc, r, s);
      };
    }
  } else if (item.HandlersOwner == this) {
    item.OnMeasureItem = nullptr;
    item.OnAdvancedDrawItem = nullptr;
    item.HandlersOwner = nullptr;
  }
}

void TsSkinableMenus::HookTree(TMenuItem& root, bool mainMenu, bool install) {
  for (TMenuItem* item : root.ItemList()) {
    const bool top = mainMenu && &root == item->Parent() && !root.Parent();
    if (top || manager_.SkinnedPopups() || !install) HookItem(*item, top, install);
    HookTree(*item, false, install);
  }
}

void TsSkinableMenus::SkinMenu(TMenu& menu) {
  const bool install = active_ && SkinUsable();
  auto* main = dynamic_cast<TMainMenu*>(&menu);
  if (!main && !manager_.SkinnedPopups() && install) return;
  HookTree(*menu.Items(), main != nullptr, install);
  // The platform asks owner-drawn items for their size and look.
  menu.SetOwnerDraw(install);
  menu.Items()->RebuildHandle();
  menu.MenuChanged();
}

void TsSkinableMenus::HookComponents(TComponent& owner, bool install) {
  for (TComponent* c : owner.Components()) {
    if (auto* menu = dynamic_cast<TMenu*>(c)) {
      SkinMenu(*menu);
    } else if (auto* item = dynamic_cast<TMenuItem*>(c)) {
      // Items inside a menu are reached through their menu.
      if (!item->GetParentMenu() && (manager_.SkinnedPopups() || !install)) {
        HookItem(*item, false, install);
        HookTree(*item, false, install);
      }
    }
    HookComponents(*c, install);
  }
}

void TsSkinableMenus::Activate(bool active) {
  active_ = active;
  if (!Application) return;
  const bool install = active && SkinUsable();
  for (TForm* form : Application->Forms()) {
    if (form) HookComponents(*form, install);
  }
}

void TsSkinableMenus::SkinChanged(bool active) {
  const bool hadOpen = !states_.empty();
  for (auto& entry : states_) ReleaseWindow(*entry.second);
  states_.clear();
  ResetBorderWidth();
  // A popup showing the old skin cannot be repainted in the new one
  // without its sizes changing under the menu loop: it closes.
  if (hadOpen) EndMenu();
  Activate(active);
}

// --- per-menu state

PopupMenuState& TsSkinableMenus::StateFor(TMenuItem& item) {
  TMenuItem* parent = item.Parent();
  HMENU menu = parent ? parent->Handle() : nullptr;
  auto it = states_.find(menu);
  if (it != states_.end()) return *it->second;
  DropStaleStates();
  auto state = std::make_unique<PopupMenuState>();
  state->Menu = menu;
  if (parent) {
    for (TMenuItem* sibling : parent->ItemList()) {
      if (sibling->Visible()) {
        state->FirstItem = sibling;
        break;
      }
    }
  }
  PopupMenuState& result = *state;
  states_[menu] = std::move(state);
  return result;
}

void TsSkinableMenus::DropState(HMENU menu) {
  auto it = states_.find(menu);
  if (it == states_.end()) return;
  ReleaseWindow(*it->second);
  states_.erase(it);
}

void TsSkinableMenus::DropStaleStates() {
  // States of menus that are gone, or whose window has closed without our
  // seeing it (it was never taken over).
  for (auto it = states_.begin(); it != states_.end();) {
    PopupMenuState& s = *it->second;
    const bool menuGone = !TMenuItem::FromMenuHandle(s.Menu);
    const bool windowGone = s.Window && !IsWindow(s.Window);
    const bool neverShown = !s.Window && s.BackgroundReady;
    if (menuGone || windowGone || neverShown) {
      ReleaseWindow(s);
      it = states_.erase(it);
    } else {
      ++it;
    }
  }
}

const PopupMenuState* TsSkinableMenus::StateOf(HMENU menu) const {
  auto it = states_.find(menu);
  return it == states_.end() ? nullptr : it->second.get();
}

void TsSkinableMenus::ComputeExtraLine(PopupMenuState& state) {
  if (state.ExtraLineKnown) return;
  state.ExtraLineKnown = true;
  if (state.FirstItem && state.FirstItem->Name == kSkinSelectItem) {
    state.ExtraVisible = false;
    return;
  }
  state.ExtraSection = "EXTRALINE";
  state.ExtraCaption = kDefaultExtraLineCaption;
  state.ExtraGlyph.reset();
  state.ExtraVisible = true;
  if (manager_.OnGetMenuExtraLineData)
    manager_.OnGetMenuExtraLineData(state.FirstItem, state.ExtraSection, state.ExtraCaption,
                                    state.ExtraGlyph, state.ExtraVisible);
  state.ExtraCaption = WithoutAmpersands(state.ExtraCaption);
  if (!state.ExtraVisible) state.ExtraGlyph.reset();
}

int TsSkinableMenus::ExtraLineWidth(const PopupMenuState& state) const {
  const TvtMenuSupport& support = manager_.MenuSupport();
  return support.UseExtraLine && state.ExtraVisible ? support.ExtraLineWidth : 0;
}

bool TsSkinableMenus::InFirstColumn(const TMenuItem& item) const {
  const TMenuItem* parent = item.Parent();
  if (!parent) return true;
  for (const TMenuItem* sibling : parent->ItemList()) {
    if (!sibling->Visible()) continue;
    if (sibling->Break() != TMenuBreak::mbNone) return false;
    if (sibling == &item) return true;
  }
  return true;
}

SIZE TsSkinableMenus::GlyphSize(const TMenuItem& item) const {
  if (!item.Bitmap().Empty()) return {item.Bitmap().Width(), item.Bitmap().Height()};
  const TMenu* menu = item.GetParentMenu();
  if (menu && menu->Images && menu->Images->Handle()) {
    int w = 0, h = 0;
    ImageList_GetIconSize(menu->Images->Handle(), &w, &h);
    return {w, h};
  }
  return {16, 16};
}

HFONT TsSkinableMenus::ItemFont(const TMenuItem& item, TOwnerDrawState state) const {
  return MenuFontHandle(item.Default() || (state & odDefault));
}

int TsSkinableMenus::LetterHeight(HDC dc, HFONT font) const {
  SelectGuard select(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, L"W", 1, &size);
  return size.cy;
}

// --- measuring

void TsSkinableMenus::MeasureItem(TMenuItem& item, HDC dc, int& width, int& height) {
  if (!SkinUsable()) {
    MeasureMenuItemDefault(item, dc, width, height);
    return;
  }
  PopupMenuState& state = StateFor(item);
  ComputeExtraLine(state);
  const int extra = InFirstColumn(item) ? ExtraLineWidth(state) : 0;
  const TsMenuItemType type = MenuItemTypeOf(item.Caption());
  const MenuItemSizes sizes{Margin, Spacing};
  const SIZE glyph = GlyphSize(item);
  HFONT font = ItemFont(item, 0);
  std::wstring text;
  if (type == smCaption) text = L"-" + item.Caption() + L"-";
  if (type == smNormal) text = item.Caption() + ShortCutToText(item.ShortCut());
  int textWidth = 0;
  if (!text.empty()) {
    SelectGuard select(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    textWidth = r.right - r.left;
  }
  width = PopupItemWidth(sizes, glyph.cx, textWidth, extra);
  height = PopupItemHeight(sizes, type, LetterHeight(dc, font), glyph.cy);
}

void TsSkinableMenus::MeasureTopItem(TMenuItem& item, HDC dc, int& width, int& height) {
  height = GetSystemMetrics(SM_CYMENU) - 1;
  const std::wstring caption = WithoutAmpersands(item.Caption());
  SIZE size{};
  {
    SelectGuard select(dc, ItemFont(item, 0));
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  }
  width = size.cx;
  const TMenu* menu = item.GetParentMenu();
  if (menu && menu->Images && item.ImageIndex() >= 0) width += GlyphSize(item).cx + 6;
}

// --- the main-window hook

void TsSkinableMenus::WindowMessage(Message& m) {
  m.result = 0;
  if (m.msg == kMenuWindowFound) {
    TakeOverWindow(reinterpret_cast<HWND>(m.lParam));
    return;
  }
  if (m.msg != kMenuItemPainted) return;
  TMenuItem* item = TMenuItem::FromItemData(static_cast<ULONG_PTR>(m.lParam));
  if (!item || !item->Parent()) return;
  HMENU menu = item->Parent()->Handle();
  int position = 0;
  for (TMenuItem* sibling : item->Parent()->ItemList()) {
    if (sibling == item) break;
    if (sibling->Visible()) ++position;
  }
  RECT r{};
  if (!GetMenuItemRect(nullptr, menu, position, &r)) return;
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND popup = WindowFromPoint(centre);
  auto it = states_.find(menu);
  if (popup && it != states_.end()) {
    it->second->Window = popup;
    TakeOverWindow(popup);
  }
}

// --- installation

TsSkinableMenus* SkinableMenusOf(TsSkinManager* manager) {
  if (!manager || !TsSkinManager::IsLive(manager)) return nullptr;
  return static_cast<TsSkinableMenus*>(manager->SkinableMenus());
}

void HandMenuToSkinning(TMenu& menu) {
  if (TsSkinableMenus* menus = SkinableMenusOf(TsSkinManager::PrimaryManager()))
    menus->SkinMenu(menu);
}

void InstallMenuSkinning() {
  SkinManagerSeams& seams = ManagerSeams();
  seams.CreateMenuSkinning = [](TsSkinManager& manager) -> std::unique_ptr<MenuSkinningLink> {
    return std::make_unique<TsSkinableMenus>(manager);
  };
  seams.MenuSkinChanged = [](TsSkinManager& manager, bool active) {
    if (TsSkinableMenus* menus = SkinableMenusOf(&manager)) menus->SkinChanged(active);
  };
  seams.ResetMenuBorderWidth = [] {
    if (TsSkinableMenus* menus = SkinableMenusOf(TsSkinManager::PrimaryManager()))
      menus->ResetBorderWidth();
  };
  seams.MenuWindowMessage = [](TsSkinManager& manager, Message& m) {
    if (TsSkinableMenus* menus = SkinableMenusOf(&manager)) menus->WindowMessage(m);
  };
  seams.SkinPopupMenus = [](TsSkinManager& manager) {
    if (TsSkinableMenus* menus = SkinableMenusOf(&manager)) menus->Activate(true);
  };
}

}  // namespace folvane
