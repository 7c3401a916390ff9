#include "app/IconFilePath.h"

namespace folvane {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

bool IsRelativePath(const std::wstring& path) {
  if (path.empty()) return true;
  if (IsSeparator(path[0])) return false;
  return !(path.size() >= 2 && path[1] == L':');
}

std::wstring ResolveIconFile(const std::wstring& folder, const std::wstring& iconFile,
                             const ExpandEnvironment& expand) {
  const std::wstring expanded = expand ? expand(iconFile) : iconFile;
  if (expanded.empty() || !IsRelativePath(expanded)) return expanded;
  if (folder.empty() || IsSeparator(folder.back())) return folder + expanded;
  return folder + L"\\" + expanded;
}

}  // namespace folvane
