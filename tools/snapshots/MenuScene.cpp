#include "MenuScene.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "Snapshot.h"
#include "app/win/FrmMain.h"
#include "controls/win/sSpeedButton.h"
#include "menus/win/sSkinMenus.h"
#include "runtime/win/Handles.h"
#include "runtime/win/ImageFile.h"
#include "runtime/win/Menus.h"

namespace folvane::snapshots {

namespace {

// The steps run on timer ticks inside the popup's menu loop.
std::vector<std::function<void()>> g_steps;
size_t g_next = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_next < g_steps.size()) {
    g_steps[g_next++]();
    return;
  }
  KillTimer(nullptr, id);
  EndMenu();
}

BOOL CALLBACK CollectPopup(HWND wnd, LPARAM list) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(wnd))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

std::vector<HWND> PopupWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectPopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

void PostKey(WPARAM key) {
  std::vector<HWND> popups = PopupWindows();
  if (popups.empty()) return;
  PostMessageW(popups.front(), WM_KEYDOWN, key, 0);
  PostMessageW(popups.front(), WM_KEYUP, key, 0xC0000000);
}

// The screen around the form and every open popup, as one picture.
void SaveFormWithPopups(HWND form, const wchar_t* name) {
  RECT all{};
  GetWindowRect(form, &all);
  std::vector<HWND> popups = PopupWindows();
  if (popups.empty()) CountFailure(L"no popup menu showed");
  for (HWND popup : popups) {
    RECT r{};
    GetWindowRect(popup, &r);
    UnionRect(&all, &all, &r);
  }
  InflateRect(&all, 8, 8);
  all.left = std::max<LONG>(all.left, 0);
  all.top = std::max<LONG>(all.top, 0);
  TBitmap shot(all.right - all.left, all.bottom - all.top);
  WindowDC screen(nullptr);
  BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), screen.Get(), all.left, all.top, SRCCOPY);
  const std::wstring path = OutDir() + L"\\" + name;
  if (!SavePng(shot, path)) CountFailure((L"could not write " + path).c_str());
}

// A 16 x 16 menu picture from one of the program's 32 x 32 glyphs (every
// other pixel, so the transparent colour stays exact).
TBitmap SmallGlyph(const wchar_t* resource) {
  TBitmap large = TBitmap::FromResource(resource);
  TBitmap small(16, 16);
  SetStretchBltMode(small.DC(), COLORONCOLOR);
  StretchBlt(small.DC(), 0, 0, 16, 16, large.DC(), 0, 0, large.Width(), large.Height(), SRCCOPY);
  GdiFlush();
  return small;
}

TMenuItem* Add(TForm1* form, TMenuItem* parent, const wchar_t* caption) {
  auto* item = new TMenuItem(form);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

TPopupMenu* TestPopup(TForm1* form) {
  auto* popup = new TPopupMenu(form);
  TMenuItem* root = popup->Items();
  Add(form, root, L"-Folder-");
  TMenuItem* apply = Add(form, root, L"&Apply");
  apply->SetBitmap(SmallGlyph(L"GLYPH_APPLY"));
  apply->SetShortCut(ShortCut('S', scCtrl));
  Add(form, root, L"&Remove")->SetEnabled(false);
  Add(form, root, L"Show &hints")->SetChecked(true);
  TMenuItem* more = Add(form, root, L"&View");
  TMenuItem* large = Add(form, more, L"&Large icons");
  large->SetRadioItem(true);
  TMenuItem* small = Add(form, more, L"&Small icons");
  small->SetRadioItem(true);
  small->SetChecked(true);
  Add(form, more, L"-");
  Add(form, more, L"&Refresh")->SetShortCut(ShortCut(VK_F5, 0));
  Add(form, root, L"-");
  Add(form, root, L"&Close")->SetShortCut(ShortCut(VK_F4, scAlt));
  return popup;
}

void ShowAndSave(TForm1* form, TPopupMenu* popup, const wchar_t* name, bool openSubmenu) {
  HandMenuToSkinning(*popup);
  g_next = 0;
  g_steps.clear();
  if (openSubmenu) {
    // Down to "View" (the caption and the disabled item take a key each),
    // open it, and move to its second item.
    for (int i = 0; i < 5; ++i) g_steps.push_back([] { PostKey(VK_DOWN); });
    g_steps.push_back([] { PostKey(VK_RIGHT); });
    g_steps.push_back([] { PostKey(VK_DOWN); });
  } else {
    g_steps.push_back([] { PostKey(VK_DOWN); });
    g_steps.push_back([] { PostKey(VK_DOWN); });
  }
  g_steps.push_back([] {});
  g_steps.push_back([form, name] { SaveFormWithPopups(form->Handle(), name); });
  SetTimer(nullptr, 0, 120, RunStep);
  POINT at{40, 30};
  ClientToScreen(form->Handle(), &at);
  popup->Popup(at.x, at.y);
  Pump(100);
}

// A drop-down speed button with its menu open below it.
void SnapshotDropDownButton(TForm1* owner, TForm* form) {
  auto* button = new TsSpeedButton(form);
  button->SetParent(form);
  button->SetBounds(16, 40, 96, 26);
  button->SetCaption(L"Tools");
  button->SetButtonStyle(TToolButtonStyle::tbsDropDown);
  button->Loaded();
  auto* menu = new TPopupMenu(form);
  Add(owner, menu->Items(), L"&Refresh preview");
  Add(owner, menu->Items(), L"&Open folder");
  Add(owner, menu->Items(), L"-");
  Add(owner, menu->Items(), L"&Properties");
  button->DropdownMenu = menu;
  HandMenuToSkinning(*menu);
  form->Invalidate();
  Pump(150);
  g_next = 0;
  g_steps = {[] { PostKey(VK_DOWN); }, [] {},
             [form] { SaveFormWithPopups(form->Handle(), L"menu-dropdown.png"); }};
  SetTimer(nullptr, 0, 120, RunStep);
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button->Width() - 6, 10));
  Pump(100);
}

// A form with a menu bar whose "File" menu is open.
void SnapshotMenuBar(TForm1* owner) {
  auto* barForm = new TForm(owner);
  barForm->SetCaption(L"Menu bar");
  barForm->BorderIcons = biSystemMenu;
  barForm->SetBounds(60, 60, 320, 170);
  auto* bar = new TMainMenu(barForm);
  TMenuItem* file = Add(owner, bar->Items(), L"&File");
  Add(owner, file, L"&Open...")->SetShortCut(ShortCut('O', scCtrl));
  Add(owner, file, L"&Save")->SetShortCut(ShortCut('S', scCtrl));
  Add(owner, file, L"-");
  Add(owner, file, L"E&xit");
  TMenuItem* edit = Add(owner, bar->Items(), L"&Edit");
  Add(owner, edit, L"&Undo")->SetEnabled(false);
  Add(owner, bar->Items(), L"&Help");
  Add(owner, bar->Items(), L"&Disabled")->SetEnabled(false);
  barForm->Show();
  bar->AttachTo(barForm->Handle());
  HandMenuToSkinning(*bar);
  Pump(150);
  g_next = 0;
  g_steps = {[] { PostKey(VK_DOWN); }, [] {},
             [barForm] { SaveFormWithPopups(barForm->Handle(), L"menu-bar.png"); }};
  SetTimer(nullptr, 0, 120, RunStep);
  PostMessageW(barForm->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
  Pump(900);
  SnapshotDropDownButton(owner, barForm);
  delete barForm;
}

}  // namespace

void SnapshotMenus(TForm1* form) {
  InstallMenuSkinning();
  TPopupMenu* popup = TestPopup(form);
  ShowAndSave(form, popup, L"menu-popup.png", true);
  TvtMenuSupport& support = form->sSkinManager1->MenuSupport();
  support.UseExtraLine = true;
  ShowAndSave(form, popup, L"menu-extraline.png", false);
  support.UseExtraLine = false;
  delete popup;
  SnapshotMenuBar(form);
}

}  // namespace folvane::snapshots
