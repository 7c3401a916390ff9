// The main window as a start from Explorer leaves it: with a folder whose
// desktop.ini names its icon relative to the folder, and with a folder that
// is gone by the time the program starts.
#include <windows.h>

#include <string>

#include "Snapshot.h"
#include "StartFolderScene.h"

#include "app/win/FrmMain.h"
#include "app/win/StartFolder.h"
#include "runtime/win/Application.h"

namespace folvane::snapshots {

void SnapStartFolders(const std::wstring& iconFile) {
  const std::wstring folder = MakeFolder(L"Folvane started from Explorer");
  CopyFileW(iconFile.c_str(), (folder + L"\\folder.ico").c_str(), FALSE);
  WriteDesktopIni(folder, L"folder.ico");

  auto* form = new TForm1(Application);
  form->Show();
  OpenStartFolder(*form, folder);
  Pump(400);
  Save(form->Handle(), L"main-start-folder.png");
  delete form;

  form = new TForm1(Application);
  form->Show();
  OpenStartFolder(*form, folder + L"\\gone");
  Pump(400);
  Save(form->Handle(), L"main-start-missing-folder.png");
  delete form;
  Pump(100);
}

}  // namespace folvane::snapshots
