#include "runtime/win/Dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace folvane {

std::wstring DialogFilter(const std::wstring& filter) {
  std::wstring out = filter;
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

namespace {

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data)
    SendMessageW(wnd, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

DWORD OpenFileNameFlags(TOpenOptions options) {
  static const struct {
    TOpenOption option;
    DWORD flag;
  } kFlags[] = {
      {ofReadOnly, OFN_READONLY},           {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
      {ofHideReadOnly, OFN_HIDEREADONLY},   {ofNoChangeDir, OFN_NOCHANGEDIR},
      {ofShowHelp, OFN_SHOWHELP},           {ofNoValidate, OFN_NOVALIDATE},
      {ofAllowMultiSelect, OFN_ALLOWMULTISELECT}, {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
      {ofPathMustExist, OFN_PATHMUSTEXIST}, {ofFileMustExist, OFN_FILEMUSTEXIST},
      {ofCreatePrompt, OFN_CREATEPROMPT},   {ofShareAware, OFN_SHAREAWARE},
      {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN}, {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
      {ofNoNetworkButton, OFN_NONETWORKBUTTON}, {ofNoLongNames, OFN_NOLONGNAMES},
      {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS}, {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
      {ofEnableSizing, OFN_ENABLESIZING},
  };
  DWORD flags = (options & ofOldStyleDialog) ? 0 : OFN_EXPLORER;
  for (const auto& f : kFlags)
    if (options & f.option) flags |= f.flag;
  return flags;
}

std::vector<std::wstring> SplitMultiSelection(const wchar_t* buffer) {
  std::vector<std::wstring> parts;
  for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) parts.emplace_back(p);
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> names;
  for (size_t i = 1; i < parts.size(); ++i) names.push_back(folder + parts[i]);
  return names;
}

bool TOpenDialog::Execute(HWND owner) {
  // Large enough for a multiple selection of long names.
  std::vector<wchar_t> buffer(65536, L'\0');
  if (FileName.size() < buffer.size() - 1) FileName.copy(buffer.data(), FileName.size());
  const std::wstring filters = DialogFilter(Filter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filters.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex < 0 ? 0 : FilterIndex);
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags = OpenFileNameFlags(Options);
  const BOOL confirmed = Run(ofn);
  if (!confirmed) return false;
  FilterIndex = static_cast<int>(ofn.nFilterIndex);
  if (ofn.Flags & OFN_READONLY) Options |= ofReadOnly;
  else Options &= ~static_cast<TOpenOptions>(ofReadOnly);
  Files = (Options & ofAllowMultiSelect) ? SplitMultiSelection(buffer.data())
                                         : std::vector<std::wstring>{buffer.data()};
  FileName = Files.empty() ? std::wstring() : Files.front();
  return true;
}

namespace {

// The root folder given by its display name, or none (the desktop).
PIDLIST_ABSOLUTE ParseRoot(const std::wstring& root) {
  if (root.empty()) return nullptr;
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop) return nullptr;
  PIDLIST_RELATIVE parsed = nullptr;
  std::wstring name = root;
  const HRESULT hr = desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &parsed, nullptr);
  desktop->Release();
  return SUCCEEDED(hr) ? reinterpret_cast<PIDLIST_ABSOLUTE>(parsed) : nullptr;
}

}  // namespace

bool BrowseForFolder(HWND owner, const std::wstring& root, const std::wstring& start,
                     std::wstring& chosen) {
  wchar_t display[MAX_PATH] = {};
  PIDLIST_ABSOLUTE rootList = ParseRoot(root);
  BROWSEINFOW bi{};
  bi.hwndOwner = owner;
  bi.pidlRoot = rootList;
  bi.pszDisplayName = display;
  bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON;
  bi.lpfn = BrowseCallback;
  bi.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE picked = SHBrowseForFolderW(&bi);
  if (rootList) CoTaskMemFree(rootList);
  if (!picked) return false;
  std::vector<wchar_t> buffer(32768, L'\0');
  BOOL ok = SHGetPathFromIDListW(picked, buffer.data());
  CoTaskMemFree(picked);
  if (!ok) return false;
  chosen = buffer.data();
  return true;
}

}  // namespace folvane
