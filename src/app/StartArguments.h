#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace folvane {

// What the command line asks of the program start.
struct StartRequest {
  enum class Kind {
    Plain,   // no argument: start as usual
    Folder,  // one argument: start with this folder in the folder field
    Usage,   // anything else: show the usage line and exit
  };
  Kind kind = Kind::Plain;
  std::wstring folder;
};

enum class PathKind { Missing, File, Folder };

constexpr wchar_t kUsageLine[] = L"Usage: Folvane.exe [folder]";
constexpr int kUsageExitCode = 2;

// Splits a command line, program name first. Quotes group blanks and are
// dropped; a backslash is always a plain character, so the quoted drive
// root "C:\" that the shell passes for a drive's background stays C:\.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

// One folder argument at most, and no switches ("/x", "-x").
StartRequest ParseStartCommandLine(std::wstring_view commandLine);

// The status text for a start folder that cannot be opened; empty for a
// folder, which is opened as if typed.
std::wstring StartFolderStatus(const std::wstring& path, PathKind kind);

}  // namespace folvane
