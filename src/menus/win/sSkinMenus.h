#pragma once
// TsSkinableMenus: the skin manager's popup-menu object. It makes menus
// owner-drawn and measures and draws every item from the skin; each popup
// window it finds gets the skinned background with the extra line and the
// icon column, skinned borders and a region with transparent corners.
// Every open popup (a cascade shows several) keeps its own state until its
// window goes away.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "menus/MenuLayout.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Graphics.h"
#include "runtime/win/Menus.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

class SkinModel;

using TsMenuManagerDrawItemEvent =
    std::function<void(class TsSkinableMenus* sender, HDC canvas, const RECT& rect,
                       TOwnerDrawState state, TsMenuItemType itemType)>;

// What one open popup menu keeps while it shows.
struct PopupMenuState {
  HMENU Menu = nullptr;
  TMenuItem* FirstItem = nullptr;
  TBitmap Background;
  bool BackgroundReady = false;
  bool ExtraLineKnown = false;
  std::string ExtraSection;
  std::wstring ExtraCaption;
  std::unique_ptr<TBitmap> ExtraGlyph;
  bool ExtraVisible = false;
  int IconColumn = 0;
  std::vector<PixelRect> Cutouts;
  HWND Window = nullptr;     // the popup window showing the menu
  bool Subclassed = false;   // taken over
  bool HandOverPosted = false;
  POINT ClientOffset{0, 0};  // client origin inside the window
};

class TsSkinableMenus : public MenuSkinningLink {
 public:
  explicit TsSkinableMenus(TsSkinManager& manager);
  ~TsSkinableMenus() override;

  // --- published properties
  TAlignment Alignment = TAlignment::taLeftJustify;
  // Alignment as the platform's text flag (DT_LEFT, DT_RIGHT, DT_CENTER).
  UINT AlignmentFlag() const;
  int BevelWidth = 0;  // stored only
  int BorderWidth = 3;
  TFont CaptionFont{L"Tahoma", -11, clWindowText};
  // -1: taken from the skin when first needed (see ResolveSkinBorderWidth).
  int SkinBorderWidth = -1;
  int Margin = 2;
  int Spacing = 6;
  TsMenuManagerDrawItemEvent OnDrawItem;

  TsSkinManager& Manager() const { return manager_; }
  // The border width in use: SkinBorderWidth resolved against the skin.
  int ActualSkinBorderWidth();
  void ResetBorderWidth() { SkinBorderWidth = -1; }

  // Installs (active) or removes the handlers on every menu of the
  // application's forms; removal takes only this object's own handlers.
  void Activate(bool active);
  // The same for one menu (for menus made after the skin was loaded).
  void SkinMenu(TMenu& menu);
  // A skin change: open popups close, every per-menu state goes, then the
  // handlers follow the skin.
  void SkinChanged(bool active);

  // The item handlers.
  void MeasureItem(TMenuItem& item, HDC dc, int& width, int& height);
  void DrawItem(TMenuItem& item, HDC dc, const RECT& rect, TOwnerDrawState state);
  void MeasureTopItem(TMenuItem& item, HDC dc, int& width, int& height);
  void DrawTopItem(TMenuItem& item, HDC dc, const RECT& rect, TOwnerDrawState state);
  // A main-menu top item drawn into `lineImage` (a form's menu line) at
  // `rect`, over what the image shows there.
  void DrawTopItemInto(TMenuItem& item, TBitmap& lineImage, const RECT& rect,
                       TOwnerDrawState state);

  // kMenuItemPainted / kMenuWindowFound from the main-window hook.
  void WindowMessage(Message& m);
  void TakeOverWindow(HWND popup);

  // The state of an open popup menu, if it has one (tests look at it).
  const PopupMenuState* StateOf(HMENU menu) const;
  size_t StateCount() const { return states_.size(); }
  // E: the extra line's width for this menu.
  int ExtraLineWidth(const PopupMenuState& state) const;

 private:
  bool SkinUsable() const;
  const SkinModel& Model() const;
  void HookItem(TMenuItem& item, bool topLine, bool install);
  void HookTree(TMenuItem& root, bool mainMenu, bool install);
  void HookComponents(TComponent& owner, bool install);

  PopupMenuState& StateFor(TMenuItem& item);
  void DropState(HMENU menu);
  void DropStaleStates();
  void ComputeExtraLine(PopupMenuState& state);
  bool InFirstColumn(const TMenuItem& item) const;
  SIZE GlyphSize(const TMenuItem& item) const;
  HFONT ItemFont(const TMenuItem& item, TOwnerDrawState state) const;
  int LetterHeight(HDC dc, HFONT font) const;

  // Drawing (sSkinMenusPaint.cpp).
  void PrepareBackground(PopupMenuState& state, TMenuItem& item, HWND window, HDC dc);
  void PaintExtraLine(PopupMenuState& state, int height);
  void DrawBorderStrips(PopupMenuState& state, TMenuItem& item, HDC windowDC, const RECT& r);
  void DrawDivider(PopupMenuState& state, HDC dc, const RECT& r, int extra);
  void DrawCaptionItem(PopupMenuState& state, TMenuItem& item, HDC dc, const RECT& r,
                       int extra, TOwnerDrawState odState);
  void DrawNormalItem(PopupMenuState& state, TMenuItem& item, HDC dc, const RECT& r,
                      int extra, TOwnerDrawState odState);
  void FillBelowAndBeside(PopupMenuState& state, TMenuItem& item, HDC windowDC, const RECT& r);
  void DrawItemImage(TMenuItem& item, TBitmap& image, int x, int y) const;

  // Popup windows (sSkinMenusWindow.cpp).
  void SetPopupRegion(PopupMenuState& state);
  void ReleaseWindow(PopupMenuState& state);
  static LRESULT CALLBACK PopupProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  TsSkinManager& manager_;
  std::map<HMENU, std::unique_ptr<PopupMenuState>> states_;
  bool active_ = false;
};

// The popup-menu object of a manager, when the menu layer is installed.
TsSkinableMenus* SkinableMenusOf(TsSkinManager* manager);
// Hands a menu made after the skin was loaded to the default manager's
// menu skinning.
void HandMenuToSkinning(TMenu& menu);
// Fills the manager's menu seams: every manager gets a TsSkinableMenus.
void InstallMenuSkinning();

}  // namespace folvane
