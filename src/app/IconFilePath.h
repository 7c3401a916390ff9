#pragma once

#include <functional>
#include <string>

namespace folvane {

using ExpandEnvironment = std::function<std::wstring(const std::wstring&)>;

// False for "C:\...", "C:...", "\..." and "\\server\...": the shell takes
// those as they are.
bool IsRelativePath(const std::wstring& path);

// The icon file a folder's desktop.ini names, read as the shell reads it:
// environment variables expanded, then a relative path taken against the
// folder holding desktop.ini. An empty value stays empty.
std::wstring ResolveIconFile(const std::wstring& folder, const std::wstring& iconFile,
                             const ExpandEnvironment& expand);

}  // namespace folvane
