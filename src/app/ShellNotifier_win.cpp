#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/WindowsShellNotifier.h"

namespace folvane {

namespace {

LONG EventCode(ShellEvent event) {
  switch (event) {
    case ShellEvent::Create: return SHCNE_CREATE;
    case ShellEvent::Delete: return SHCNE_DELETE;
    case ShellEvent::UpdateItem: return SHCNE_UPDATEITEM;
    case ShellEvent::UpdateDir: return SHCNE_UPDATEDIR;
  }
  return SHCNE_UPDATEITEM;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<wchar_t> buffer(needed);
  const DWORD length = GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  return std::wstring(buffer.data(), length);
}

class WindowsShellNotifier final : public ShellNotifier {
 public:
  explicit WindowsShellNotifier(ShellNotifySink sink) : sink_(std::move(sink)) {}

  void FolderChanged(const std::wstring& folderText, IniChange ini) noexcept override {
    // The folder has changed on disk whatever the shell hears of it: a
    // failed notification is dropped, and the others still go out.
    std::vector<ShellChange> changes;
    try {
      changes = FolderChanges(FullPath(folderText), ini);
    } catch (...) {
      return;
    }
    for (const ShellChange& change : changes) {
      try {
        Send(change);
      } catch (...) {
      }
    }
  }

 private:
  // Flushed so the views update now, without waiting for the program to
  // finish its work; not waited for, so a hung view cannot hang the program.
  void Send(const ShellChange& change) {
    const UINT flags = SHCNF_PATHW | SHCNF_FLUSHNOWAIT;
    if (sink_) sink_(EventCode(change.event), flags, change.path);
    else SHChangeNotify(EventCode(change.event), flags, change.path.c_str(), nullptr);
  }

  ShellNotifySink sink_;
};

}  // namespace

std::unique_ptr<ShellNotifier> MakeWindowsShellNotifier(ShellNotifySink sink) {
  return std::make_unique<WindowsShellNotifier>(std::move(sink));
}

}  // namespace folvane
