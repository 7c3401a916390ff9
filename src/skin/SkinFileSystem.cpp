#include "skin/SkinFileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "skin/SkinText.h"

namespace folvane {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr bool kCaseSensitiveHost = false;
#else
constexpr bool kCaseSensitiveHost = true;
#endif

fs::path AsWritten(const std::u16string& path) {
  std::u16string native = path;
  if (kCaseSensitiveHost) std::replace(native.begin(), native.end(), u'\\', u'/');
  return fs::path(native);
}

// The existing entry of `folder` whose name matches `name` ignoring case.
std::optional<fs::path> MatchInFolder(const fs::path& folder, const fs::path& name) {
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;
  const std::u16string wanted = name.u16string();
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
       !ec && it != end; it.increment(ec)) {
    if (EqualsIgnoreCase16(it->path().filename().u16string(), wanted))
      return folder / it->path().filename();
  }
  return std::nullopt;
}

fs::path Resolve(const std::u16string& path) {
  fs::path written = AsWritten(path);
  std::error_code ec;
  if (!kCaseSensitiveHost || fs::exists(written, ec)) return written;
  fs::path resolved;
  for (const fs::path& part : written) {
    if (part == written.root_name() || part == written.root_directory() ||
        part == "." || part == "..") {
      resolved /= part;
      continue;
    }
    const auto match = MatchInFolder(resolved, part);
    if (!match) return written;
    resolved = *match;
  }
  return resolved;
}

class HostFiles : public SkinFileSystem {
 public:
  bool FileExists(const std::u16string& path) const override {
    std::error_code ec;
    return fs::is_regular_file(Resolve(path), ec);
  }
  bool DirectoryExists(const std::u16string& path) const override {
    std::error_code ec;
    return fs::is_directory(Resolve(path), ec);
  }
  std::optional<std::vector<std::uint8_t>> ReadFile(
      const std::u16string& path) const override;
  std::vector<Entry> ListDirectory(const std::u16string& path) const override;
};

std::optional<std::vector<std::uint8_t>> HostFiles::ReadFile(
    const std::u16string& path) const {
  const fs::path file = Resolve(path);
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec || size > kMaxFileSize) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
  return bytes;
}

std::vector<SkinFileSystem::Entry> HostFiles::ListDirectory(
    const std::u16string& path) const {
  std::vector<Entry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(Resolve(path), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code typeError;
    entries.push_back(Entry{it->path().filename().u16string(),
                            it->is_directory(typeError)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.Name < b.Name; });
  return entries;
}

}  // namespace

const SkinFileSystem& HostFileSystem() {
  static const HostFiles files;
  return files;
}

}  // namespace folvane
