#include <windows.h>

#include "app/FileBytes.h"
#include "app/FolderPlatform.h"
#include "app/IniFileException.h"
#include "app/ProfileDocument.h"
#include "app/SystemCodePage.h"
#include "app/WindowsFolderPlatform.h"

namespace folvane {

namespace {

class WindowsFolderPlatform final : public FolderPlatform {
 public:
  bool FileExists(const std::wstring& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                                 const std::wstring& file) override {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) bytes.clear();
    return ProfileDocument(bytes, *codePage_).ReadString(section, key, def);
  }

  // Our own editor instead of the system's writer, whose Wine version
  // rewrites every line of the file and, run as root, writes read-only files.
  void WriteProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                          const std::wstring& file) override {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
      throw EIniFileException::UnableToWriteTo(file);
    }
    std::string bytes;
    if (exists && !ReadFileBytes(file, bytes)) throw EIniFileException::UnableToWriteTo(file);
    ProfileDocument document(bytes, *codePage_);
    document.WriteString(section, key, value);
    if (!ReplaceFileBytes(file, document.Bytes())) throw EIniFileException::UnableToWriteTo(file);
  }

  void SetFileAttributes(const std::wstring& path, std::uint32_t attributes) override {
    SetFileAttributesW(path.c_str(), attributes);
  }

  void DeleteFile(const std::wstring& path) override { DeleteFileW(path.c_str()); }

 private:
  std::unique_ptr<CodePage> codePage_ = MakeSystemCodePage();
};

}  // namespace

std::unique_ptr<FolderPlatform> MakeWindowsFolderPlatform() { return std::make_unique<WindowsFolderPlatform>(); }

}  // namespace folvane
