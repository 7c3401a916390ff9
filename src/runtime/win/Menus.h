#pragma once
// Menus over real Win32 menus: items with captions, shortcuts, checks,
// radio items, column breaks, images and submenus, owner-drawn when the
// menu or the item asks for it. Popup menus are tracked through one hidden
// window of the runtime; main menus are the menu bar of a form. Both route
// measuring, drawing, letter keys and commands back to the items.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/win/Bitmap.h"
#include "runtime/win/Component.h"
#include "runtime/win/Messages.h"

namespace folvane {

class TMenu;
class TImageList;
class TWinControl;

// Key | scShift | scCtrl | scAlt; 0 is no shortcut.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShortCut modifiers);
// "Ctrl+S", "Shift+F5", "Del"; empty for no shortcut.
std::wstring ShortCutToText(TShortCut shortCut);

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

// The platform's owner-draw states (ODS_*) as a set.
enum TOwnerDrawStateFlag : unsigned {
  odSelected = ODS_SELECTED, odGrayed = ODS_GRAYED, odDisabled = ODS_DISABLED,
  odChecked = ODS_CHECKED, odFocused = ODS_FOCUS, odDefault = ODS_DEFAULT,
  odHotLight = ODS_HOTLIGHT, odInactive = ODS_INACTIVE, odNoAccel = ODS_NOACCEL,
  odNoFocusRect = ODS_NOFOCUSRECT
};
using TOwnerDrawState = unsigned;

class TMenuItem;
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, HDC dc, int& width, int& height)>;
using TMenuDrawItemEvent =
    std::function<void(TMenuItem* sender, HDC dc, const RECT& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  const wchar_t* ClassName() const override { return L"TMenuItem"; }

  // A "-" caption is a divider line.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radio);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // An own picture (bottom-left pixel's colour transparent when drawn).
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap bitmap);

  std::function<void(TMenuItem*)> OnClick;
  // Owner-draw handlers. HandlersOwner marks who installed them, so that a
  // layer that installs its own removes only those.
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnAdvancedDrawItem;
  const void* HandlersOwner = nullptr;

  // The tree: children in menu order, owned by this item.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<TMenuItem*>& ItemList() const { return items_; }
  TMenuItem* Parent() const { return parent_; }
  // Appends (or inserts at index) an item; the item becomes this item's.
  TMenuItem* Add(TMenuItem* item);
  TMenuItem* Insert(int index, TMenuItem* item);
  // Detaches an item without freeing it.
  void Remove(TMenuItem* item);
  int MenuIndex() const;
  // The menu (popup or main) the item belongs to, if any.
  TMenu* GetParentMenu() const;
  bool IsLine() const { return caption_ == L"-"; }

  UINT Command() const { return command_; }
  // The submenu of an item with children (made when first needed).
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  virtual void Click();
  // Rebuilds the platform menu below this item (after changes).
  void RebuildHandle();
  // The item whose submenu is `menu`, or the item with `command`; only
  // items that still exist are found.
  static TMenuItem* FromMenuHandle(HMENU menu);
  static TMenuItem* FromCommand(UINT command);
  // The item a WM_MEASUREITEM or WM_DRAWITEM points at (its itemData),
  // when that item still exists.
  static TMenuItem* FromItemData(ULONG_PTR data);

  // Whether the platform shows this item owner-drawn.
  bool IsOwnerDrawn() const;

 private:
  friend class TMenu;
  void Changed();
  void FillMenu(HMENU menu);
  void DestroyMenuHandle();

  std::wstring caption_;
  TShortCut shortCut_ = 0;
  bool checked_ = false;
  bool radioItem_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  TMenuBreak break_ = TMenuBreak::mbNone;
  int imageIndex_ = -1;
  TBitmap bitmap_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  UINT command_ = 0;
  HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  const wchar_t* ClassName() const override { return L"TMenu"; }

  // The root item; the menu's items are its children.
  TMenuItem* Items() const { return items_.get(); }
  HMENU Handle() { return items_->Handle(); }
  TImageList* Images = nullptr;
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  bool RightToLeft = false;

  // Called after the platform menu below `item` changed.
  virtual void MenuChanged() {}
  // The answer to WM_MENUCHAR for `menu`: the visible item whose "&" letter
  // is `ch`, else the first whose caption starts with it, run at once; 0
  // (let the platform beep) when none matches.
  static LRESULT MenuChar(wchar_t ch, HMENU menu);

 protected:
  virtual bool IsMainMenu() const { return false; }
  friend class TMenuItem;

 private:
  std::unique_ptr<TMenuItem> items_;
  bool ownerDraw_ = false;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  const wchar_t* ClassName() const override { return L"TPopupMenu"; }

  // Shows the menu at a screen point and waits until it closes; a chosen
  // item is clicked after the menu has gone.
  void Popup(int x, int y);
  TComponent* PopupComponent = nullptr;
  std::function<void(TPopupMenu*)> OnPopup;
  // Horizontal alignment on the point: TPM_LEFTALIGN, TPM_CENTERALIGN,
  // TPM_RIGHTALIGN.
  UINT Alignment = TPM_LEFTALIGN;
  bool Tracking() const { return tracking_; }
  // The window that owns popup menus while they show.
  static HWND PopupWindow();

 private:
  bool tracking_ = false;
  bool* destroyed_ = nullptr;
};

// A form's menu bar.
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  const wchar_t* ClassName() const override { return L"TMainMenu"; }
  // Shows the menu as the bar of `window` (nullptr detaches it).
  void AttachTo(HWND window);
  HWND Window() const { return window_; }
  void MenuChanged() override;

 protected:
  bool IsMainMenu() const override { return true; }

 private:
  HWND window_ = nullptr;
};

// Measuring, drawing, letter keys and commands of menus reach their items
// through this, from any window that owns a menu (forms, the popup window).
// True when the message was a menu's and has been answered.
bool DispatchMenuMessage(Message& m);

}  // namespace folvane
