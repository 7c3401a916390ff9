#pragma once

#include <cstdint>
#include <string>

// <windows.h> maps these names to its wide functions; the interface keeps
// the plain names in every unit, whatever was included before it.
#ifdef DeleteFile
#undef DeleteFile
#endif
#ifdef SetFileAttributes
#undef SetFileAttributes
#endif

namespace folvane {

// What the folder operations need of the platform. The Windows build
// implements it with the file system; tests replace it.
class FolderPlatform {
 public:
  virtual ~FolderPlatform() = default;

  // True only for an existing file, not for a folder.
  virtual bool FileExists(const std::wstring& path) = 0;

  // Private-profile read: the key's value, or def when the file, the section
  // or the key is missing; never fails; at most 2047 characters.
  virtual std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                                         const std::wstring& def, const std::wstring& file) = 0;

  // Private-profile write; throws EIniFileException("Unable to write to <file>")
  // when the file cannot be created or written (missing folder, no access,
  // read-only file).
  virtual void WriteProfileString(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& value, const std::wstring& file) = 0;

  // Replaces all attributes of a file or folder; the result is ignored.
  virtual void SetFileAttributes(const std::wstring& path, std::uint32_t attributes) = 0;

  // Deletes a file; the result is ignored.
  virtual void DeleteFile(const std::wstring& path) = 0;
};

}  // namespace folvane
