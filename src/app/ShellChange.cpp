#include "app/ShellChange.h"

namespace folvane {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// A share ("\\server\share") is the root of its paths, as a drive is.
bool IsUncRoot(const std::wstring& path) {
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return false;
  const std::size_t server = path.find_first_of(L"\\/", 2);
  if (server == std::wstring::npos) return true;
  const std::size_t share = path.find_first_of(L"\\/", server + 1);
  return share == std::wstring::npos || share == path.size() - 1;
}

// "C:" or "C:\" alone, a share, and a lone separator are roots.
bool IsRoot(const std::wstring& path) {
  if (path.size() == 2 && path[1] == L':') return true;
  if (path.size() == 3 && path[1] == L':' && IsSeparator(path[2])) return true;
  if (IsUncRoot(path)) return true;
  return path.empty() || (path.size() == 1 && IsSeparator(path[0]));
}

std::wstring Join(const std::wstring& folder, const wchar_t* name) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
  return folder + L"\\" + name;
}

}  // namespace

std::wstring WithoutTrailingSeparator(const std::wstring& path) {
  std::wstring trimmed = path;
  while (trimmed.size() > 1 && IsSeparator(trimmed.back()) && !IsRoot(trimmed)) trimmed.pop_back();
  return trimmed;
}

std::wstring ParentFolder(const std::wstring& path) {
  const std::wstring trimmed = WithoutTrailingSeparator(path);
  if (IsRoot(trimmed)) return {};
  const std::size_t cut = trimmed.find_last_of(L"\\/");
  if (cut == std::wstring::npos) return {};
  std::wstring parent = trimmed.substr(0, cut);
  if (parent.size() == 2 && parent[1] == L':') parent += L'\\';
  return WithoutTrailingSeparator(parent);
}

std::vector<ShellChange> FolderChanges(const std::wstring& folder, IniChange ini) {
  const std::wstring self = WithoutTrailingSeparator(folder);
  std::vector<ShellChange> changes{{ShellEvent::UpdateItem, self}};
  const std::wstring iniPath = Join(self, L"desktop.ini");
  switch (ini) {
    case IniChange::Created: changes.push_back({ShellEvent::Create, iniPath}); break;
    case IniChange::Updated: changes.push_back({ShellEvent::UpdateItem, iniPath}); break;
    case IniChange::Deleted: changes.push_back({ShellEvent::Delete, iniPath}); break;
    case IniChange::Unchanged: break;
  }
  const std::wstring parent = ParentFolder(self);
  if (!parent.empty()) changes.push_back({ShellEvent::UpdateDir, parent});
  return changes;
}

}  // namespace folvane
