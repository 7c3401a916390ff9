#include "SkinnedFrameScenes.h"

#include <windows.h>

#include "Snapshot.h"

#include "app/win/FrmMain.h"
#include "forms/win/sSkinProvider.h"
#include "menus/win/sSkinMenus.h"
#include "runtime/win/Application.h"

namespace folvane::snapshots {

namespace {

HWND g_menuOwner = nullptr;

// Saves the owner (with the menu over it) once the menu has painted, then
// closes the menu.
void CALLBACK CaptureMenu(HWND wnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(wnd, id);
  Save(g_menuOwner, L"main-window-menu.png");
  EndMenu();
}

LPARAM At(HWND wnd, POINT p) {
  RECT r;
  GetWindowRect(wnd, &r);
  return MAKELPARAM(r.left + p.x, r.top + p.y);
}

POINT Centre(const CaptionButton& b) { return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2}; }

void ToolWindowScene() {
  auto* tool = new TForm(Application);
  tool->BorderStyle = TFormBorderStyle::bsSizeToolWin;
  tool->SetCaption(L"Select folder");
  tool->SetBounds(520, 80, 320, 260);
  auto* provider = new TsSkinProvider(tool);
  provider->SkinData.SetSkinSection(L"DIALOG");
  provider->SetCaptionAlignment(TAlignment::taCenter);
  provider->GripMode = TsGripMode::gmRightBottom;
  provider->SetShowAppIcon(false);
  tool->Show();
  Pump(300);
  Save(tool->Handle(), L"toolwindow-grip.png");
  delete tool;
  Pump(100);
}

}  // namespace

void SkinnedFrameScenes(TForm1* form) {
  const HWND wnd = form->Handle();
  TsSkinProvider& p = *form->sSkinProvider1;
  SetForegroundWindow(wnd);
  Pump(200);
  Save(wnd, L"main-active.png");

  SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0);
  Pump(200);
  Save(wnd, L"main-inactive.png");
  SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
  Pump(200);

  const POINT close = Centre(p.Buttons.Close);
  SendMessageW(wnd, WM_NCHITTEST, 0, At(wnd, close));
  Pump(100);
  Save(wnd, L"main-close-hot.png");
  SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCLOSE, At(wnd, close));
  Pump(100);
  Save(wnd, L"main-close-pressed.png");
  // Released off the button: nothing happens and the look goes back.
  SendMessageW(wnd, WM_NCHITTEST, 0, At(wnd, {p.OuterWidth() / 2, 10}));
  SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, At(wnd, {p.OuterWidth() / 2, 10}));
  Pump(100);

  // The program installs the menu skinning at start; this scene runs first.
  InstallMenuSkinning();
  g_menuOwner = wnd;
  SetTimer(wnd, 0x5157, 400, CaptureMenu);
  SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  Pump(100);

  ToolWindowScene();
}

}  // namespace folvane::snapshots
