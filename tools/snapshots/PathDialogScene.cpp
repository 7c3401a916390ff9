#include "PathDialogScene.h"

#include <windows.h>

#include <memory>

#include "Snapshot.h"

#include "runtime/win/Application.h"
#include "shell/win/vtPathDialog.h"

namespace folvane::snapshots {

void PathDialogScene() {
  const std::wstring base = MakeFolder(L"Folvane snapshot tree");
  std::wstring deep = base;
  for (const wchar_t* name : {L"Photos", L"2026", L"Holiday", L"Coast"}) {
    deep += L"\\";
    deep += name;
    CreateDirectoryW(deep.c_str(), nullptr);
  }
  CreateDirectoryW((base + L"\\Music").c_str(), nullptr);
  CreateDirectoryW((base + L"\\Photos\\2025").c_str(), nullptr);

  auto dialog = std::make_unique<TPathDialogForm>(Application);
  dialog->Localise();
  dialog->FormCreate();
  dialog->sShellTreeView1->SetRoot(L"rfDesktop");
  try {
    dialog->sShellTreeView1->SetPath(deep);
  } catch (...) {
    CountFailure(L"the path dialog could not select its folder");
  }
  dialog->Show();
  Pump(400);
  Save(dialog->Handle(), L"path-dialog.png");
}

}  // namespace folvane::snapshots
