#include "Snapshot.h"

#include <cstdio>

#include "runtime/win/Application.h"
#include "runtime/win/ImageFile.h"

namespace folvane::snapshots {

namespace {
std::wstring g_outDir;
int g_failures = 0;
}  // namespace

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (static_cast<int>(end - GetTickCount()) > 0) {
    while (Application->ProcessMessage()) {
    }
    Sleep(10);
  }
}

void Save(HWND wnd, const wchar_t* name) {
  TBitmap shot = CaptureWindow(wnd);
  const std::wstring path = g_outDir + L"\\" + name;
  if (!SavePng(shot, path)) CountFailure((L"could not write " + path).c_str());
}

void CountFailure(const wchar_t* what) {
  ++g_failures;
  fwprintf(stderr, L"%ls\n", what);
}

int Failures() { return g_failures; }
const std::wstring& OutDir() { return g_outDir; }
void SetOutDir(const std::wstring& dir) { g_outDir = dir; }

std::wstring MakeFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring dir = std::wstring(temp) + name;
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

void WriteDesktopIni(const std::wstring& dir, const std::wstring& iconFile) {
  const std::wstring ini = dir + L"\\desktop.ini";
  SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(ini.c_str());
  WritePrivateProfileStringW(L".ShellClassInfo", L"IconFile", iconFile.c_str(), ini.c_str());
}

}  // namespace folvane::snapshots
