#pragma once
// The application object: the hidden application window, the list of
// forms, the message loop and the standard error report.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/win/Component.h"
#include "runtime/win/Messages.h"

namespace folvane {

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  const wchar_t* ClassName() const override { return L"TApplication"; }

  void Initialize();
  HWND Handle() const { return handle_; }

  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title);
  // The main form's own window carries the taskbar button: the hidden
  // application window gets no button and no text.
  bool MainFormOnTaskBar = false;

  TForm* MainForm() const { return mainForm_; }
  const std::vector<TForm*>& Forms() const { return forms_; }
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

  // Shows the main form and runs the message loop until it closes.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles one message if there is one; false when the queue was empty.
  bool ProcessMessage();
  void ProcessMessages();
  void HandleMessage();

  // The standard error report: a box captioned with the title, the error's
  // text with a full stop appended when it has none, and the error icon.
  void HandleException(std::exception_ptr error);
  void ShowException(const std::wstring& text);
  static std::wstring ExceptionText(std::exception_ptr error);

  // Hints of every form; a held button switches them off for a while.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);

  int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

  // Hooks on the application window's messages, asked newest first before
  // the default handling; a hook that returns true has handled the message
  // (its result in Message::result).
  using MainWindowHook = std::function<bool(Message&)>;
  int HookMainWindow(MainWindowHook hook);
  void UnhookMainWindow(int id);
  bool RunMainWindowHooks(Message& m);

 private:
  bool PreTranslate(MSG& msg);

  HWND handle_ = nullptr;
  std::wstring title_;
  TForm* mainForm_ = nullptr;
  std::vector<TForm*> forms_;
  bool terminated_ = false;
  bool showHint_ = true;
  bool initialized_ = false;
  WPARAM swallowChar_ = 0;
  std::vector<std::pair<int, MainWindowHook>> hooks_;
  int nextHookId_ = 1;
};

// The process's application object (one per process, as the platform has).
extern TApplication* Application;

}  // namespace folvane
