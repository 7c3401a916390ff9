// snapshots OUTDIR ICONFILE: shows the main window at start, with a folder
// preview, the About box, and the error box of a failed icon load, and
// writes what the screen shows of each to OUTDIR as PNG.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "ComboEditScenes.h"
#include "FieldScenes.h"
#include "FileDialogScene.h"
#include "MenuScene.h"
#include "MessageBoxScenes.h"
#include "SkinnedFrameScenes.h"
#include "PathDialogScene.h"
#include "Snapshot.h"
#include "StartFolderScene.h"

#include "app/win/About.h"
#include "app/win/FrmMain.h"
#include "forms/win/vtDialogHook.h"
#include "runtime/win/Application.h"

using namespace folvane;
using namespace folvane::snapshots;

namespace {

// Captures the next message box when it has painted itself, then closes it.
HHOOK g_hook = nullptr;
const wchar_t* g_boxName = nullptr;

void CALLBACK CaptureBox(HWND box, UINT, UINT_PTR id, DWORD) {
  KillTimer(box, id);
  if (g_boxName) Save(box, g_boxName);
  g_boxName = nullptr;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK BoxHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && g_boxName) {
    wchar_t cls[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wp), cls, 16);
    if (std::wstring(cls) == L"#32770") SetTimer(reinterpret_cast<HWND>(wp), 1, 400, CaptureBox);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) return 2;
  SetOutDir(argv[1]);
  const std::wstring icon = argv[2];

  TApplication app;
  app.Initialize();
  app.MainFormOnTaskBar = true;
  app.SetTitle(L"Folvane 1.0");
  InstallDialogSkinning();
  auto* form = new TForm1(&app);
  auto* about = new TAboutBox(&app);
  form->AboutBox = about;
  form->Show();
  Pump(600);
  Save(form->Handle(), L"main-start.png");
  SaveButtonStates(form);
  SkinnedFrameScenes(form);

  const std::wstring withIcon = MakeFolder(L"Folvane snapshot folder");
  WriteDesktopIni(withIcon, icon);
  form->DirEdt->SetText(withIcon);
  form->IconEdt->SetText(icon);
  form->HintEdt->SetText(L"Holiday photos, 2026");
  form->sStatusBar1->SetSimpleText(L"Last action: show about box");
  Pump(400);
  Save(form->Handle(), L"main-preview.png");

  SnapshotMenus(form);

  about->Show();
  Pump(400);
  Save(about->Handle(), L"about.png");
  about->Hide();
  SnapFieldScenes(*form);
  SnapComboEdits(*form);
  PathDialogScene();

  const std::wstring broken = MakeFolder(L"Folvane snapshot broken");
  WriteDesktopIni(broken, L"C:\\windows\\system32\\shell32.dll");
  g_hook = SetWindowsHookExW(WH_CBT, BoxHook, nullptr, GetCurrentThreadId());
  g_boxName = L"error-icon-load.png";
  form->DirEdt->SetText(broken);  // the failed load raises the error box
  Pump(300);
  UnhookWindowsHookEx(g_hook);
  if (g_boxName) CountFailure(L"the error box did not show");
  SnapMessageBoxes(form->Handle());
  SnapFileDialog(*form);
  SnapDamagedSkinWarning(*form);
  SnapStartFolders(icon);
  SnapAdapters();
  SnapScrollingWindows();
  LocalFree(argv);
  return Failures() ? 1 : 0;
}
