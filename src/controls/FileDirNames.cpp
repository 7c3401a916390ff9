#include "controls/FileDirNames.h"

#include <vector>

namespace folvane {

bool IsValidFileName(const std::wstring& name) {
  return !name.empty() && name.find_first_of(L"<>\"|*?/") == std::wstring::npos;
}

std::wstring FolderPart(const std::wstring& path) {
  const size_t at = path.find_last_of(L"\\:");
  return at == std::wstring::npos ? std::wstring() : path.substr(0, at + 1);
}

std::wstring NamePart(const std::wstring& path) { return path.substr(FolderPart(path).size()); }

FileDialogStart FileDialogStartFor(const std::wstring& text, const FileDialogStart& previous,
                                   const std::function<bool(const std::wstring&)>& folderExists) {
  FileDialogStart start = previous;
  if (!IsValidFileName(text)) return start;
  const std::wstring folder = FolderPart(text);
  if (!folder.empty() && folderExists && folderExists(folder)) start.InitialDir = folder;
  start.FileName = IsValidFileName(NamePart(text)) ? text : std::wstring();
  return start;
}

std::wstring AddDirectory(const std::wstring& text, const std::wstring& folder, bool multiple) {
  if (multiple && !text.empty()) return text + L";" + folder;
  return folder;
}

std::wstring DroppedDirectory(const std::wstring& name, bool isFolder) {
  return isFolder ? name : FolderPart(name);
}

namespace {

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t begin = 0;
  for (;;) {
    const size_t end = text.find(separator, begin);
    parts.push_back(text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin));
    if (end == std::wstring::npos) return parts;
    begin = end + 1;
  }
}

// "C:\", "\\server\share\", "\" or nothing: the part no lookup can rename.
size_t RootLength(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return path.size() >= 3 && path[2] == L'\\' ? 3 : 2;
  if (path.rfind(L"\\\\", 0) == 0) {
    size_t share = path.find(L'\\', 2);
    if (share == std::wstring::npos) return path.size();
    share = path.find(L'\\', share + 1);
    return share == std::wstring::npos ? path.size() : share + 1;
  }
  return !path.empty() && path[0] == L'\\' ? 1 : 0;
}

std::wstring ConvertPath(const std::wstring& path, const ComponentLookup& lookup) {
  const size_t root = RootLength(path);
  std::wstring result = path.substr(0, root);
  const std::wstring rest = path.substr(root);
  if (rest.empty()) return result;
  const std::vector<std::wstring> components = Split(rest, L'\\');
  for (size_t i = 0; i < components.size(); ++i) {
    const std::wstring& own = components[i];
    if (i > 0) result += L'\\';
    if (own.empty()) continue;
    const std::wstring found = lookup ? lookup(result + own) : std::wstring();
    result += found.empty() ? own : found;
  }
  return result;
}

}  // namespace

std::wstring ConvertDirectoryNames(const std::wstring& text, bool multiple,
                                   const ComponentLookup& lookup) {
  const std::vector<std::wstring> entries = multiple ? Split(text, L';') : std::vector<std::wstring>{text};
  std::wstring joined;
  for (const std::wstring& entry : entries) {
    if (entry.empty()) continue;
    const std::wstring converted = ConvertPath(entry, lookup);
    if (converted.empty()) continue;
    if (!joined.empty()) joined += L';';
    joined += converted;
  }
  return joined;
}

}  // namespace folvane
