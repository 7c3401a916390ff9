#pragma once

#include <functional>
#include <string>

#include "app/FolderPlatform.h"
#include "app/ShellNotifier.h"

namespace folvane {

// What the main window shows for a folder: the default folder picture, or
// the first icon of iconFile (which may be empty or name no icon at all).
struct PreviewResult {
  bool defaultIcon;
  std::wstring iconFile;
};

// The operations that give a folder its custom icon and info tip through
// its desktop.ini and attributes, take them away again, and find the icon to
// preview. Each takes the main window's field texts and returns the status
// text for its status line; the main window's clear step is passed in.
// After a change succeeds, `notifier` (when given) tells the shell.
class FolderCustomizer {
 public:
  FolderCustomizer(FolderPlatform& platform, std::function<void()> clearStep,
                   ShellNotifier* notifier = nullptr);

  std::wstring Apply(const std::wstring& folderText, const std::wstring& iconText, const std::wstring& tipText);
  std::wstring Remove(const std::wstring& folderText);
  PreviewResult PreviewLookup(const std::wstring& folderText);

  // The folder text last taken over by an operation or the preview lookup.
  const std::wstring& FolderPath() const { return folderPath_; }
  // The icon file last taken over by Apply or read by the preview lookup.
  const std::wstring& IconPath() const { return iconPath_; }

  // The clear step's part: empties FolderPath, then IconPath.
  void ClearPaths();

 private:
  std::wstring DesktopIniPath() const;
  void RunClearStep() noexcept;
  bool DesktopIniExists(const std::wstring& file);
  void Notify(const std::wstring& folder, IniChange ini) noexcept;

  FolderPlatform& platform_;
  std::function<void()> clearStep_;
  ShellNotifier* notifier_;
  std::wstring folderPath_;
  std::wstring iconPath_;
};

}  // namespace folvane
