#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace folvane {

// Whole-file access for small text files (Windows build only).

// False when the file cannot be opened or read, or is larger than kMaxFileBytes.
bool ReadFileBytes(const std::wstring& path, std::string& bytes);

// Writes bytes to a new file beside path and then puts it in path's place in
// one step, so a failed write never leaves a half-written file. An existing
// file keeps its attributes (hidden, system), which also means that no
// truncating open of a hidden or system file is ever attempted. False when
// the folder is missing or the file cannot be written or replaced.
bool ReplaceFileBytes(const std::wstring& path, std::string_view bytes);

// Larger files are not taken for INI files: reading them would only tie up memory.
constexpr std::size_t kMaxFileBytes = 16u << 20;

}  // namespace folvane
