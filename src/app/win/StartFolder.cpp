#include "app/win/StartFolder.h"

#include <windows.h>

#include <vector>

#include "app/IconFilePath.h"
#include "app/win/FrmMain.h"
#include "runtime/win/Application.h"

namespace folvane {

PathKind QueryPathKind(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

namespace {

// A folder given relative to the starting folder ("Folvane.exe ." from a
// prompt) is made full: the file dialogs change the current folder later,
// and the field would silently come to name another folder.
std::wstring FullIfRelative(const std::wstring& path) {
  if (!IsRelativePath(path)) return path;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<wchar_t> buffer(needed);
  const DWORD length = GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  return std::wstring(buffer.data(), length);
}

}  // namespace

void OpenStartFolder(TForm1& form, const std::wstring& given) {
  const std::wstring folder = FullIfRelative(given);
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
