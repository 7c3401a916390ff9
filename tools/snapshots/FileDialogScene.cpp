#include "FileDialogScene.h"

#include <windows.h>

#include "Snapshot.h"
#include "app/win/FrmMain.h"

namespace folvane::snapshots {

namespace {

bool g_saved = false;

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

}  // namespace folvane::snapshots
