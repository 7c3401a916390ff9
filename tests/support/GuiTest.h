#pragma once
// Helpers for tests that drive real windows: one application object for
// the test program, message pumping, typing, clicking, and a watcher that
// answers message boxes and modal forms so no test waits for a person.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/win/Application.h"

namespace folvane::testing {

// Creates and initialises the application object once per test program.
class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;
};

// Handles every waiting message, then keeps pumping for `ms` milliseconds.
void Pump(int ms = 0);

// Types text into a window as keystrokes would: one WM_CHAR per character.
void TypeText(HWND wnd, const std::wstring& text);
// Presses a key (with Shift if asked) through the application's loop.
void PressKey(HWND wnd, WPARAM key, bool shift = false);
// Clicks with the left button at a client point of a window.
void ClickAt(HWND wnd, int x, int y);
// Moves the mouse over a client point (as a WM_MOUSEMOVE).
void MouseMoveAt(HWND wnd, int x, int y);

// What a watched modal window showed.
struct SeenBox {
  std::wstring className;
  std::wstring caption;
  std::wstring text;  // the message text of a message box
  bool errorIcon = false;
};

// Watches the thread's windows while it lives: each modal window that
// becomes active is recorded and then answered by `answer` (default: the
// message box's first button, or WM_CLOSE for other windows).
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(HWND)> answer = nullptr);
  ~ModalWatcher();
  ModalWatcher(const ModalWatcher&) = delete;
  ModalWatcher& operator=(const ModalWatcher&) = delete;
  const std::vector<SeenBox>& Seen() const { return seen_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
  static void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD);
  HHOOK hook_ = nullptr;
  std::function<void(HWND)> answer_;
  std::vector<SeenBox> seen_;
  std::vector<HWND> pending_;
};

// Writes a small valid .ico file (one 32 x 32, 32-bit image of one colour).
void WriteIcoFile(const std::wstring& path, COLORREF color);

// A fresh folder under the temp path, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

std::string ReadFileBytes(const std::wstring& path);

}  // namespace folvane::testing
