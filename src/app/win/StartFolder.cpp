#include "app/win/StartFolder.h"

#include <windows.h>

#include "app/win/FrmMain.h"
#include "runtime/win/Application.h"

namespace folvane {

PathKind QueryPathKind(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

void OpenStartFolder(TForm1& form, const std::wstring& folder) {
  const std::wstring status = StartFolderStatus(folder, QueryPathKind(folder));
  if (!status.empty()) {
    form.sStatusBar1->SetSimpleText(status);
    return;
  }
  // An icon the preview cannot load is reported as it is for a typed
  // folder, and the program starts all the same.
  try {
    form.DirEdt->SetText(folder);
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
}

int ShowUsage() {
  const std::wstring caption = Application ? Application->Title() : L"Folvane 1.0";
  MessageBoxW(nullptr, kUsageLine, caption.c_str(), MB_OK | MB_ICONWARNING);
  return kUsageExitCode;
}

}  // namespace folvane
