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

bool ChooseOpenFile(HWND owner, const std::wstring& filter, std::wstring& path) {
  std::vector<wchar_t> buffer(32768, L'\0');
  if (path.size() < buffer.size()) path.copy(buffer.data(), path.size());
  const std::wstring filters = DialogFilter(filter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  if (!GetOpenFileNameW(&ofn)) return false;
  path = buffer.data();
  return true;
}

namespace {

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data)
    SendMessageW(wnd, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

bool ChooseFolder(HWND owner, std::wstring& path) {
  wchar_t display[MAX_PATH] = {};
  BROWSEINFOW bi{};
  bi.hwndOwner = owner;
  bi.pidlRoot = nullptr;  // the desktop
  bi.pszDisplayName = display;
  bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  bi.lpfn = BrowseCallback;
  bi.lParam = path.empty() ? 0 : reinterpret_cast<LPARAM>(path.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&bi);
  if (!chosen) return false;
  wchar_t buffer[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListW(chosen, buffer) != FALSE;
  CoTaskMemFree(chosen);
  if (ok) path = buffer;
  return ok;
}

}  // namespace folvane
