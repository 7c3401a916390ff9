#include "app/FolderCustomizer.h"

#include <utility>

namespace folvane {

namespace {

constexpr wchar_t kSection[] = L".ShellClassInfo";
constexpr std::uint32_t kAttributeHidden = 0x2;
constexpr std::uint32_t kAttributeSystem = 0x4;
constexpr std::uint32_t kAttributeNormal = 0x80;

constexpr wchar_t kApplied[] = L"Last action: folder was changed successfully";
constexpr wchar_t kApplyFailed[] = L"IO Error";
constexpr wchar_t kRemoved[] = L"Last action: remove icon from folder";
constexpr wchar_t kRemoveFailed[] = L"Last action: IO Error";

// An empty folder text would make "\desktop.ini", a file at the root of the
// current drive, and Windows strips trailing blanks from names, so a text of
// blanks names no folder either: neither may reach the file system.
bool NamesAFolder(const std::wstring& folderText) {
  return folderText.find_first_not_of(L" \t") != std::wstring::npos;
}

}  // namespace

FolderCustomizer::FolderCustomizer(FolderPlatform& platform, std::function<void()> clearStep,
                                   ShellNotifier* notifier)
    : platform_(platform), clearStep_(std::move(clearStep)), notifier_(notifier) {}

std::wstring FolderCustomizer::Apply(const std::wstring& folderText, const std::wstring& iconText,
                                     const std::wstring& tipText) {
  folderPath_ = folderText;
  iconPath_ = iconText;
  if (!NamesAFolder(folderPath_)) return kApplyFailed;
  IniChange change = IniChange::Updated;
  try {
    const std::wstring file = DesktopIniPath();
    if (!DesktopIniExists(file)) change = IniChange::Created;
    platform_.WriteProfileString(kSection, L"IconFile", iconPath_, file);
    platform_.WriteProfileString(kSection, L"IconIndex", L"0", file);
    platform_.WriteProfileString(kSection, L"InfoTip", tipText, file);
    platform_.SetFileAttributes(file, kAttributeHidden);
    platform_.SetFileAttributes(folderPath_, kAttributeSystem);
  } catch (...) {
    return kApplyFailed;
  }
  Notify(folderPath_, change);
  RunClearStep();
  return kApplied;
}

std::wstring FolderCustomizer::Remove(const std::wstring& folderText) {
  folderPath_ = folderText;
  if (!NamesAFolder(folderPath_)) return kRemoveFailed;
  IniChange change = IniChange::Unchanged;
  try {
    const std::wstring file = DesktopIniPath();
    const bool existed = DesktopIniExists(file);
    platform_.DeleteFile(file);
    if (existed && !DesktopIniExists(file)) change = IniChange::Deleted;
    platform_.SetFileAttributes(folderPath_, kAttributeNormal);
  } catch (...) {
    return kRemoveFailed;
  }
  Notify(folderPath_, change);
  RunClearStep();
  return kRemoved;
}

PreviewResult FolderCustomizer::PreviewLookup(const std::wstring& folderText) {
  folderPath_ = folderText;
  if (!NamesAFolder(folderPath_)) return {true, {}};
  const std::wstring file = DesktopIniPath();
  if (!platform_.FileExists(file)) return {true, {}};
  iconPath_ = platform_.ReadProfileString(kSection, L"IconFile", L"", file);
  return {false, iconPath_};
}

void FolderCustomizer::ClearPaths() {
  folderPath_.clear();
  iconPath_.clear();
}

// Plain concatenation: a folder text ending in a backslash gives a doubled
// separator, which the file system accepts.
std::wstring FolderCustomizer::DesktopIniPath() const { return folderPath_ + L"\\desktop.ini"; }

// The folder has been changed by the time the clear step runs. A failure of
// the clear step (a window matter) must not turn that into "IO Error", which
// would send the user to redo a change that is already on disk. Without a
// clear step, or when it fails, the paths are still emptied, so the next
// operation starts clean.
void FolderCustomizer::RunClearStep() noexcept {
  try {
    if (clearStep_) {
      clearStep_();
      return;
    }
  } catch (...) {
  }
  ClearPaths();
}

// Asked only for the shell's sake: without a notifier the operations make
// exactly the platform calls they always made.
bool FolderCustomizer::DesktopIniExists(const std::wstring& file) {
  return notifier_ && platform_.FileExists(file);
}

void FolderCustomizer::Notify(const std::wstring& folder, IniChange ini) noexcept {
  if (notifier_) notifier_->FolderChanged(folder, ini);
}

}  // namespace folvane
