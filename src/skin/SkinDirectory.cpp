#include "skin/SkinDirectory.h"

#include <algorithm>
#include <unordered_set>

#include "skin/SkinText.h"

namespace folvane {

namespace {

bool StartsWith(const std::u16string& text, std::u16string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The program folder's parent, with its trailing "\".
std::u16string ParentFolder(const std::u16string& folder) {
  std::u16string trimmed = folder;
  if (!trimmed.empty() && trimmed.back() == u'\\') trimmed.pop_back();
  const std::size_t cut = trimmed.find_last_of(u'\\');
  return cut == std::u16string::npos ? std::u16string() : trimmed.substr(0, cut + 1);
}

}  // namespace

std::u16string ResolveSkinDirectory(const std::u16string& value,
                                    const std::u16string& programFolder) {
  if (StartsWith(value, u".."))
    return ParentFolder(programFolder) + value.substr(std::min<std::size_t>(3, value.size()));
  if (StartsWith(value, u".\\") || StartsWith(value, u"./"))
    return programFolder + value.substr(2);
  if (value.find(u':') == std::u16string::npos && value.find(u"\\\\") == std::u16string::npos)
    return programFolder + value;
  return value;
}

std::u16string PackedSkinFolder(const std::u16string& skinDirectory) {
  if (skinDirectory.size() == 1 && ToUpperAscii16(skinDirectory[0]) >= u'A' &&
      ToUpperAscii16(skinDirectory[0]) <= u'Z')
    return skinDirectory + u":\\";
  if (!skinDirectory.empty() && skinDirectory.back() == u'\\') return skinDirectory;
  return skinDirectory + u"\\";
}

namespace {

bool ListsAsFolder(const SkinFileSystem::Entry& e, const std::u16string& dir,
                   SkinListMode mode, const SkinFileSystem& files) {
  return mode != SkinListMode::PackedFiles && e.IsDirectory &&
         files.FileExists(dir + u"\\" + e.Name + u"\\Options.dat");
}

bool ListsAsPacked(const SkinFileSystem::Entry& e, SkinListMode mode) {
  if (mode == SkinListMode::Folders || e.IsDirectory) return false;
  const std::size_t dot = e.Name.find_last_of(u'.');
  return dot != std::u16string::npos && e.Name.compare(dot, std::u16string::npos, u".vsz") == 0;
}

class NameCollector {
 public:
  explicit NameCollector(SkinNameList& list) : list_(list) {}
  void Add(std::u16string name) {
    if (list_.First.empty()) list_.First = name;
    std::u16string upper = name;
    for (char16_t& c : upper) c = ToUpperAscii16(c);
    if (seen_.insert(std::move(upper)).second) list_.Names.push_back(std::move(name));
  }

 private:
  SkinNameList& list_;
  std::unordered_set<std::u16string> seen_;
};

}  // namespace

SkinNameList ListSkinNames(const TsStoredSkins& internalSkins,
                           const std::u16string& dir, SkinListMode mode,
                           const SkinFileSystem& files) {
  SkinNameList list;
  NameCollector names(list);
  for (const TsStoredSkin& skin : internalSkins) names.Add(skin.Name);
  if (!dir.empty() && files.DirectoryExists(dir)) {
    for (const SkinFileSystem::Entry& e : files.ListDirectory(dir)) {
      if (e.Name.empty() || e.Name.front() == u'.') continue;
      if (ListsAsFolder(e, dir, mode, files))
        names.Add(e.Name);
      else if (ListsAsPacked(e, mode))
        names.Add(e.Name.substr(0, e.Name.find(u'.')));
    }
  }
  std::stable_sort(list.Names.begin(), list.Names.end(), LessIgnoreCase16);
  return list;
}

}  // namespace folvane
