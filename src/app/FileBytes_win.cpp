#include <windows.h>

#include <algorithm>
#include <utility>

#include "app/FileBytes.h"
#include "runtime/win/HandleCount.h"

namespace folvane {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {
    if (h_) HandleCount::Created(HandleKind::File);
  }
  ~FileHandle() { Close(); }
  FileHandle(FileHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  // False when closing reports an error, which for a written file means the
  // data may not have reached the disk.
  bool Close() {
    if (!h_) return true;
    const bool closed = CloseHandle(std::exchange(h_, nullptr)) != FALSE;
    HandleCount::Released(HandleKind::File);
    return closed;
  }
  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The folder part of path, its last separator included ("" for a bare name).
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring Hex4(unsigned value) {
  static const wchar_t digits[] = L"0123456789ABCDEF";
  std::wstring text(4, L'0');
  for (int i = 3; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = digits[value & 0xF];
  return text;
}

// A new, empty file beside the target. The name is no longer than
// "desktop.ini", so wherever the target's path fits, this one fits too.
FileHandle CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary) {
  static unsigned counter = 0;
  const unsigned seed = GetCurrentProcessId() * 31u + GetTickCount();
  for (int attempt = 0; attempt < 64; ++attempt) {
    temporary = FolderOf(path) + L"~fv" + Hex4((seed + counter++) & 0xFFFF) + L".tmp";
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return file;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  return FileHandle(INVALID_HANDLE_VALUE);
}

bool WriteTemporary(const std::wstring& path, std::string_view bytes, std::wstring& temporary) {
  FileHandle file = CreateTemporaryBeside(path, temporary);
  if (!file) return false;
  const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  if (file.Close() && written) return true;
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  // Read until the end rather than trusting the size, which may change under us.
  char chunk[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) return false;
    if (read == 0) return true;
    if (bytes.size() + read > kMaxFileBytes) return false;
    bytes.append(chunk, read);
  }
}

bool ReplaceFileBytes(const std::wstring& path, std::string_view bytes) {
  std::wstring temporary;
  if (!WriteTemporary(path, bytes, temporary)) return false;
  const bool replacing = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  // ReplaceFile gives the new file the old one's attributes, security and
  // short name, and works on hidden and system files.
  if (replacing ? ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                               nullptr, nullptr)
                : MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  // This error means the old file is already gone: the new one takes its
  // place, or at least stays beside it under its temporary name instead of
  // being lost as well.
  if (replacing && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
    return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
  }
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace folvane
