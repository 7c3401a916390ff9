#pragma once
// The icon the main window's preview shows.

#include <string>

#include "runtime/win/Handles.h"

namespace folvane {

constexpr int kPreviewIconSize = 32;

// Reads an .ico file and makes a size × size icon of the image that best
// fits that size, scaled as the platform's icon creation scales; PNG
// images are decoded with the platform's imaging component. Throws
// EFOpenError when the file cannot be read and EInvalidGraphic ("Icon image
// is not valid") when it is no icon directory or its image does not decode.
IconHandle LoadPreviewIcon(const std::wstring& path, int size = kPreviewIconSize);

// An "IconFile" value of the folder's desktop.ini made a path to open, as
// the shell does: environment variables expanded, relative to the folder.
std::wstring PreviewIconPath(const std::wstring& folder, const std::wstring& iconFile);

}  // namespace folvane
