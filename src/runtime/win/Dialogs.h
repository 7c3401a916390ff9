#pragma once
// The platform's folder browser and its open and save dialogs.

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

#include "runtime/win/Component.h"

namespace folvane {

// "Name|pattern|Name|pattern" as the open dialog wants it: pairs separated
// by NULs, ending in two NULs.
std::wstring DialogFilter(const std::wstring& filter);

// The system folder browser: new dialog style, file-system folders only, no
// new-folder button. `root` is parsed as a display name relative to the
// desktop (the desktop itself when that fails); `start` is preselected
// when not empty. False when cancelled or when the choice is no folder.
bool BrowseForFolder(HWND owner, const std::wstring& root, const std::wstring& start,
                     std::wstring& chosen);

// TOpenOptions: a set of these flags (their order is the platform's).
enum TOpenOption : unsigned {
  ofReadOnly = 1u << 0, ofOverwritePrompt = 1u << 1, ofHideReadOnly = 1u << 2,
  ofNoChangeDir = 1u << 3, ofShowHelp = 1u << 4, ofNoValidate = 1u << 5,
  ofAllowMultiSelect = 1u << 6, ofExtensionDifferent = 1u << 7, ofPathMustExist = 1u << 8,
  ofFileMustExist = 1u << 9, ofCreatePrompt = 1u << 10, ofShareAware = 1u << 11,
  ofNoReadOnlyReturn = 1u << 12, ofNoTestFileCreate = 1u << 13, ofNoNetworkButton = 1u << 14,
  ofNoLongNames = 1u << 15, ofOldStyleDialog = 1u << 16, ofNoDereferenceLinks = 1u << 17,
  ofEnableIncludeNotify = 1u << 18, ofEnableSizing = 1u << 19,
};
using TOpenOptions = unsigned;
enum class TFileEditStyle { fsEdit, fsComboBox };

// The platform's file-open dialog as a component.
class TOpenDialog : public TComponent {
 public:
  using TComponent::TComponent;
  const wchar_t* ClassName() const override { return L"TOpenDialog"; }

  std::wstring DefaultExt;
  std::wstring Filter;  // "Name|pattern|Name|pattern"
  int FilterIndex = 1;
  std::wstring InitialDir;
  std::wstring FileName;
  std::wstring Title;
  std::vector<std::wstring> Files;  // every chosen file, in order
  std::vector<std::wstring> HistoryList;
  TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
  TFileEditStyle FileEditStyle = TFileEditStyle::fsEdit;
  int HelpContext = 0;

  // Shows the dialog modally; true when the user confirmed a choice.
  bool Execute(HWND owner);

 protected:
  virtual BOOL Run(OPENFILENAMEW& ofn) { return GetOpenFileNameW(&ofn); }
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;
  const wchar_t* ClassName() const override { return L"TSaveDialog"; }

 protected:
  BOOL Run(OPENFILENAMEW& ofn) override { return GetSaveFileNameW(&ofn); }
};

// The platform flags for a set of options.
DWORD OpenFileNameFlags(TOpenOptions options);
// A multi-selection answer ("folder\0name\0name\0\0", or one full path)
// as full names.
std::vector<std::wstring> SplitMultiSelection(const wchar_t* buffer);

}  // namespace folvane
