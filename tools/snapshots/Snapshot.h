#pragma once
// What every snapshot scene shares: pumping messages for a while and saving
// what the screen shows of a window as a PNG in the output folder.
#include <windows.h>

#include <string>

namespace folvane::snapshots {

// Runs the message loop for `ms` milliseconds.
void Pump(int ms);
// Writes the window, frame included, to OUTDIR\name; a failure is counted.
void Save(HWND wnd, const wchar_t* name);
void CountFailure(const wchar_t* what);
int Failures();
const std::wstring& OutDir();
void SetOutDir(const std::wstring& dir);

// A folder of the given name in the temp folder (made when missing).
std::wstring MakeFolder(const wchar_t* name);
// A fresh desktop.ini in `dir` naming `iconFile`.
void WriteDesktopIni(const std::wstring& dir, const std::wstring& iconFile);

// Scenes kept in their own units.
void SnapAdapters();
void SnapScrollingWindows();

}  // namespace folvane::snapshots

namespace folvane {
class TForm1;
namespace snapshots {
// The main window's buttons: hovered, pressed, focused and disabled.
void SaveButtonStates(TForm1* form);
}  // namespace snapshots
}  // namespace folvane
