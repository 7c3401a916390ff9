#pragma once
// A file tree in memory for skin-loading tests. Paths compare ignoring
// ASCII letter case and accept "\" or "/", as Windows does.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "skin/SkinFileSystem.h"
#include "skin/SkinText.h"

namespace folvane::test {

class MemoryFileSystem : public SkinFileSystem {
 public:
  void AddFile(const std::u16string& path, std::vector<std::uint8_t> bytes) {
    files_[Key(path)] = std::move(bytes);
    names_[Key(path)] = Normal(path);
  }
  void AddFile(const std::u16string& path, const std::string& text) {
    AddFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  }

  bool FileExists(const std::u16string& path) const override {
    return files_.count(Key(path)) != 0;
  }
  bool DirectoryExists(const std::u16string& path) const override {
    const std::u16string prefix = Key(path) + u"\\";
    for (const auto& f : files_)
      if (f.first.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
  }
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::u16string& path) const override {
    const auto found = files_.find(Key(path));
    if (found == files_.end()) return std::nullopt;
    ++reads_;
    return found->second;
  }
  std::vector<Entry> ListDirectory(const std::u16string& path) const override {
    const std::u16string prefix = Key(path) + u"\\";
    std::map<std::u16string, bool> entries;
    for (const auto& f : names_) {
      if (f.first.compare(0, prefix.size(), prefix) != 0) continue;
      const std::u16string rest = f.second.substr(prefix.size());
      const std::size_t slash = rest.find(u'\\');
      entries[rest.substr(0, slash)] = slash != std::u16string::npos;
    }
    std::vector<Entry> list;
    for (const auto& e : entries) list.push_back(Entry{e.first, e.second});
    return list;
  }
  int Reads() const { return reads_; }

 private:
  static std::u16string Normal(std::u16string path) {
    std::replace(path.begin(), path.end(), u'/', u'\\');
    while (!path.empty() && path.back() == u'\\') path.pop_back();
    std::u16string single;  // "a\\b" and "a\b" are the same file
    for (char16_t c : path)
      if (!(c == u'\\' && !single.empty() && single.back() == u'\\')) single.push_back(c);
    return single;
  }
  static std::u16string Key(const std::u16string& path) {
    std::u16string key = Normal(path);
    for (char16_t& c : key) c = ToUpperAscii16(c);
    return key;
  }
  std::map<std::u16string, std::vector<std::uint8_t>> files_;
  std::map<std::u16string, std::u16string> names_;
  mutable int reads_ = 0;
};

}  // namespace folvane::test
