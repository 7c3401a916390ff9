#include "app/StartArguments.h"

namespace folvane {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool IsSwitch(const std::wstring& argument) {
  return !argument.empty() && (argument[0] == L'/' || argument[0] == L'-');
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine) {
  std::vector<std::wstring> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    std::wstring argument;
    bool quoted = false;
    for (; i < commandLine.size() && (quoted || !IsBlank(commandLine[i])); ++i) {
      if (commandLine[i] == L'"') quoted = !quoted;
      else argument += commandLine[i];
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

StartRequest ParseStartCommandLine(std::wstring_view commandLine) {
  std::vector<std::wstring> arguments = SplitCommandLine(commandLine);
  if (!arguments.empty()) arguments.erase(arguments.begin());
  if (arguments.empty()) return {};
  if (arguments.size() > 1 || IsSwitch(arguments[0])) return {StartRequest::Kind::Usage, {}};
  // A lone empty argument ("") names nothing to open.
  if (arguments[0].empty()) return {};
  return {StartRequest::Kind::Folder, arguments[0]};
}

std::wstring StartFolderStatus(const std::wstring& path, PathKind kind) {
  switch (kind) {
    case PathKind::Missing: return L"Folder not found: " + path;
    case PathKind::File: return L"Not a folder: " + path;
    case PathKind::Folder: break;
  }
  return {};
}

}  // namespace folvane
