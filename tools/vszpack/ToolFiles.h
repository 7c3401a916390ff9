#pragma once
// File helpers shared by the subcommands.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace folvane::vszpack {

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file);
// std::runtime_error naming the file when it cannot be written completely.
void WriteWholeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Names compared the way the program compares them: ASCII letters
// upper-cased.
bool LessIgnoringCase(const std::string& a, const std::string& b);
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// An entry name that is safe to create inside a folder: a plain file name
// of printable ASCII, no separators, no drive, not "." or "..".
bool IsPlainFileName(const std::string& name);

}  // namespace folvane::vszpack
