#pragma once
// The few file services the skin loader needs, behind an interface so that
// tests can hand it a prepared tree and the loader stays window-free. Paths
// are the program's UTF-16 paths with "\" separators.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace folvane {

class SkinFileSystem {
 public:
  struct Entry {
    std::u16string Name;
    bool IsDirectory = false;
  };

  // Files larger than this are not read: nothing in a skin comes close, and
  // a hostile folder must not make the loader allocate without bound.
  static constexpr std::uint64_t kMaxFileSize = 256ull * 1024 * 1024;

  virtual ~SkinFileSystem() = default;
  virtual bool FileExists(const std::u16string& path) const = 0;
  virtual bool DirectoryExists(const std::u16string& path) const = 0;
  // The whole file; nullopt when it is missing, unreadable or too large.
  virtual std::optional<std::vector<std::uint8_t>> ReadFile(
      const std::u16string& path) const = 0;
  // The entries of a folder sorted by name ("." and ".." left out); empty
  // when the folder does not exist.
  virtual std::vector<Entry> ListDirectory(const std::u16string& path) const = 0;
};

// The machine's own files through std::filesystem. On hosts with
// case-sensitive names a path that does not exist as written is matched
// ignoring ASCII letter case, component by component, as Windows would.
const SkinFileSystem& HostFileSystem();

}  // namespace folvane
