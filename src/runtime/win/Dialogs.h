#pragma once
// The platform's folder browser and open-file dialog.

#include <windows.h>

#include <string>

namespace folvane {

// "Name|pattern|Name|pattern" as the open dialog wants it: pairs separated
// by NULs, ending in two NULs.
std::wstring DialogFilter(const std::wstring& filter);

// Both answer false when the user cancels; `path` is the starting point
// and, on success, the choice.
bool ChooseOpenFile(HWND owner, const std::wstring& filter, std::wstring& path);
bool ChooseFolder(HWND owner, std::wstring& path);

}  // namespace folvane
