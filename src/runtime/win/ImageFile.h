#pragma once
// Writing pictures with the platform's encoders.

#include <windows.h>

#include <string>

#include "runtime/win/Bitmap.h"

namespace folvane {

// Saves a bitmap as PNG through the platform's imaging component. Returns
// false (and writes nothing usable) when the encoder fails.
bool SavePng(TBitmap& bitmap, const std::wstring& path);

// Copies what the screen shows of a window, frame included.
TBitmap CaptureWindow(HWND wnd);

}  // namespace folvane
