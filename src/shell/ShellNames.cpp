#include "shell/ShellNames.h"

#include <climits>
#include <cwctype>

namespace folvane {

namespace {

struct RootName {
  const wchar_t* name;
  int csidl;
};

constexpr RootName kRootNames[] = {
    {L"rfDesktop", 0},
    {L"rfMyComputer", 17},
    {L"rfNetwork", 18},
    {L"rfRecycleBin", 10},
    {L"rfAppData", 26},
    {L"rfCommonDesktopDirectory", 25},
    {L"rfCommonPrograms", 23},
    {L"rfCommonStartMenu", 22},
    {L"rfCommonStartup", 24},
    {L"rfControlPanel", 3},
    {L"rfDesktopDirectory", 16},
    {L"rfFavorites", 6},
    {L"rfFonts", 20},
    {L"rfInternet", 1},
    {L"rfPersonal", 5},
    {L"rfPrinters", 4},
    {L"rfPrintHood", 27},
    {L"rfPrograms", 2},
    {L"rfRecent", 8},
    {L"rfSendTo", 9},
    {L"rfStartMenu", 11},
    {L"rfStartup", 7},
    {L"rfTemplates", 21},
};

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

bool SameText(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

int SpecialFolderOfRootName(const std::wstring& root) {
  for (const RootName& r : kRootNames)
    if (SameText(root, r.name)) return r.csidl;
  return -1;
}

unsigned EnumerationFlags(TvtShellObjectTypes types) {
  unsigned flags = 0;
  if (types & otFolders) flags |= 0x20;
  if (types & otNonFolders) flags |= 0x40;
  if (types & otHidden) flags |= 0x80;
  return flags;
}

unsigned NotifyFilterBits(TvtNotifyFilters filters) {
  unsigned bits = 0;
  if (filters & nfFileNameChange) bits |= 0x1;
  if (filters & nfDirNameChange) bits |= 0x2;
  if (filters & nfAttributeChange) bits |= 0x4;
  if (filters & nfSizeChange) bits |= 0x8;
  if (filters & nfWriteChange) bits |= 0x10;
  if (filters & nfSecurityChange) bits |= 0x100;
  return bits;
}

std::wstring CleanDisplayName(const std::wstring& name) {
  if (name.size() < 2 || name[0] != L'?' || !std::iswdigit(name[1])) return name;
  std::wstring clean;
  for (wchar_t c : name)
    if (c != L'?') clean.push_back(c);
  return clean;
}

std::wstring FileExtension(const std::wstring& name) {
  for (size_t i = name.size(); i-- > 0;) {
    if (name[i] == L'.') return name.substr(i);
    if (IsSeparator(name[i]) || name[i] == L':') break;
  }
  return {};
}

std::wstring ApplyShowExtension(const std::wstring& displayName, const std::wstring& parsingName,
                                bool isFile, TvtShowExtension rule) {
  if (rule == TvtShowExtension::seSystem || !isFile) return displayName;
  const std::wstring shown = FileExtension(displayName);
  if (rule == TvtShowExtension::seShow) {
    const std::wstring real = FileExtension(parsingName);
    return SameText(shown, real) ? displayName : displayName + real;
  }
  return shown.empty() ? displayName : displayName.substr(0, displayName.size() - shown.size());
}

bool IsVirtualParsingName(const std::wstring& name) { return name.compare(0, 3, L"::{") == 0; }

std::wstring RootPathFromString(const std::wstring& root) {
  if (!root.empty() && root.back() == L':') return root + L'\\';
  return root;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty() || IsSeparator(folder.back())) return folder + name;
  return folder + L'\\' + name;
}

std::wstring FreeNewFolderPath(const std::wstring& folder,
                               const std::function<bool(const std::wstring&)>& isDirectory) {
  for (int n = 1; n > 0; ++n) {
    std::wstring candidate = JoinPath(folder, L"New folder" + std::to_wstring(n));
    if (!isDirectory(candidate)) return candidate;
    if (n == INT_MAX) break;
  }
  return {};
}

}  // namespace folvane
