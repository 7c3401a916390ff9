#include "support/GuiTest.h"

#include <windowsx.h>

#include <cstdint>
#include <fstream>

namespace folvane::testing {

namespace {
TApplication* g_app = nullptr;
ModalWatcher* g_watcher = nullptr;
}  // namespace

void ApplicationEnvironment::SetUp() {
  g_app = new TApplication();
  g_app->Initialize();
  g_app->MainFormOnTaskBar = true;
  g_app->SetTitle(L"Folvane 1.0");
}

void ApplicationEnvironment::TearDown() {
  delete g_app;
  g_app = nullptr;
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    while (Application->ProcessMessage()) {
    }
    if (ms > 0) Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

void TypeText(HWND wnd, const std::wstring& text) {
  for (wchar_t c : text) {
    PostMessageW(wnd, WM_CHAR, c, 1);
    Pump();
  }
}

void PressKey(HWND wnd, WPARAM key, bool shift) {
  BYTE state[256];
  GetKeyboardState(state);
  const BYTE oldShift = state[VK_SHIFT];
  if (shift) {
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
  }
  PostMessageW(wnd, WM_KEYDOWN, key, 1);
  PostMessageW(wnd, WM_KEYUP, key, 0xC0000001);
  Pump();
  if (shift) {
    state[VK_SHIFT] = oldShift;
    SetKeyboardState(state);
  }
}

void ClickAt(HWND wnd, int x, int y) {
  PostMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

void MouseMoveAt(HWND wnd, int x, int y) {
  PostMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  Pump();
}

ModalWatcher::ModalWatcher(std::function<void(HWND)> answer) : answer_(std::move(answer)) {
  g_watcher = this;
  hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

ModalWatcher::~ModalWatcher() {
  if (hook_) UnhookWindowsHookEx(hook_);
  g_watcher = nullptr;
}

static std::wstring WindowText(HWND wnd) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(wnd, buffer, 1024);
  return buffer;
}

LRESULT CALLBACK ModalWatcher::Hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && g_watcher) {
    HWND wnd = reinterpret_cast<HWND>(wp);
    wchar_t cls[64] = {};
    GetClassNameW(wnd, cls, 64);
    const bool isBox = std::wstring(cls) == L"#32770";
    const bool isModalForm = !isBox && !IsWindowEnabled(GetWindow(wnd, GW_OWNER)) &&
                             GetWindow(wnd, GW_OWNER) != nullptr;
    if (isBox || isModalForm) {
      bool known = false;
      for (HWND p : g_watcher->pending_) known |= p == wnd;
      if (!known) {
        g_watcher->pending_.push_back(wnd);
        // Answer after the window has finished showing itself.
        SetTimer(wnd, 0xF01, 50, Answer);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

void CALLBACK ModalWatcher::Answer(HWND wnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(wnd, id);
  if (!g_watcher) return;
  SeenBox seen;
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  seen.className = cls;
  seen.caption = WindowText(wnd);
  if (HWND text = GetDlgItem(wnd, 0xFFFF)) seen.text = WindowText(text);
  if (HWND icon = GetDlgItem(wnd, 0x14)) {
    seen.errorIcon = SendMessageW(icon, STM_GETICON, 0, 0) ==
                     reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_HAND));
  }
  g_watcher->seen_.push_back(seen);
  if (g_watcher->answer_) {
    g_watcher->answer_(wnd);
  } else if (seen.className == L"#32770") {
    PostMessageW(wnd, WM_COMMAND, IDOK, 0);
  } else {
    PostMessageW(wnd, WM_CLOSE, 0, 0);
  }
}

void WriteIcoFile(const std::wstring& path, COLORREF color) {
  const int size = 32;
  std::string data;
  auto put16 = [&](std::uint16_t v) { data.append(reinterpret_cast<const char*>(&v), 2); };
  auto put32 = [&](std::uint32_t v) { data.append(reinterpret_cast<const char*>(&v), 4); };
  const std::uint32_t xorBytes = size * size * 4, andBytes = size * 4;
  const std::uint32_t imageBytes = 40 + xorBytes + andBytes;
  put16(0); put16(1); put16(1);                       // icon directory, one image
  data.push_back(static_cast<char>(size));
  data.push_back(static_cast<char>(size));
  data.push_back(0); data.push_back(0);
  put16(1); put16(32); put32(imageBytes); put32(6 + 16);
  put32(40); put32(size); put32(size * 2); put16(1); put16(32);  // BITMAPINFOHEADER
  put32(0); put32(xorBytes + andBytes); put32(0); put32(0); put32(0); put32(0);
  for (int i = 0; i < size * size; ++i) {
    data.push_back(static_cast<char>(GetBValue(color)));
    data.push_back(static_cast<char>(GetGValue(color)));
    data.push_back(static_cast<char>(GetRValue(color)));
    data.push_back(static_cast<char>(0xFF));
  }
  data.append(andBytes, '\0');
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
  CloseHandle(f);
}

static void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = dir + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
      else DeleteFileW(full.c_str());
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(dir.c_str());
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  path_ = std::wstring(base) + L"folvane-gui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string data;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof(buffer), &got, nullptr) && got) data.append(buffer, got);
  CloseHandle(f);
  return data;
}

}  // namespace folvane::testing
