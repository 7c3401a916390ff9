#include "FileDialogScene.h"

#include <windows.h>

#include "Snapshot.h"
#include "app/win/FrmMain.h"
#include "skin/win/sSkinManager.h"

namespace folvane::snapshots {

namespace {

bool g_saved = false;
const wchar_t* g_name = nullptr;

void CALLBACK SaveAndAnswer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = GetActiveWindow();
  if (!box || !g_name) return;
  Save(box, g_name);
  g_saved = true;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The dialog fills its folder view first: it is saved a while after it
// opened, then cancelled.
void CALLBACK SaveAndCancel(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND dialog = GetActiveWindow();
  if (!dialog) return;
  Save(dialog, L"file-dialog.png");
  g_saved = true;
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

void SnapFileDialog(TForm1& form) {
  g_saved = false;
  SetTimer(nullptr, 0, 900, SaveAndCancel);
  form.IconEdt->DoClick();
  Pump(100);
  if (!g_saved) CountFailure(L"the file dialog did not show");
}

void SnapDamagedSkinWarning(TForm1& form) {
  const std::wstring dir = MakeFolder(L"Folvane snapshot skins");
  const std::wstring archive = dir + L"\\Damaged.vsz";
  HANDLE file = CreateFileW(archive.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return CountFailure(L"could not write a damaged skin");
  const char junk[] = "VSZ? this archive ends in the middle of its first entry";
  DWORD written = 0;
  WriteFile(file, junk, sizeof(junk), &written, nullptr);
  CloseHandle(file);
  TsSkinManager& manager = *form.sSkinManager1;
  const std::wstring oldDir = manager.SkinDirectory(), oldName = manager.SkinName();
  g_saved = false;
  g_name = L"warning-damaged-skin.png";
  SetTimer(nullptr, 0, 400, SaveAndAnswer);
  manager.SetSkinDirectory(dir);
  manager.SetSkinName(L"Damaged");
  Pump(100);
  g_name = nullptr;
  if (!g_saved) CountFailure(L"the damaged-skin warning did not show");
  manager.SetSkinDirectory(oldDir);
  manager.SetSkinName(oldName);
  Pump(200);
}

}  // namespace folvane::snapshots
