// Starting with a folder: in this process through the start step, and the
// program itself started with real command lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/About.h"
#include "app/win/FrmMain.h"
#include "app/win/StartFolder.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

TEST(StartFolder, OpensAFolderAsTypedOrSaysWhyNot) {
  TempFolder dir;
  const std::wstring spaced = dir.File(L"Work & Play 100%");
  CreateDirectoryW(spaced.c_str(), nullptr);
  WriteIcoFile(dir.File(L"a.txt"), RGB(1, 2, 3));
  const struct {
    std::wstring argument;
    std::wstring field;
    std::wstring status;
  } cases[] = {
      {dir.Path(), dir.Path(), L""},
      {spaced, spaced, L""},
      {L"C:\\", L"C:\\", L""},
      {dir.File(L"a.txt"), L"", L"Not a folder: " + dir.File(L"a.txt")},
      {dir.File(L"gone"), L"", L"Folder not found: " + dir.File(L"gone")},
      // Relative to the folder the program starts in.
      {L"Work & Play 100%", spaced, L""},
      {L"gone", L"", L"Folder not found: " + dir.File(L"gone")},
  };
  wchar_t started[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, started);
  SetCurrentDirectoryW(dir.Path().c_str());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    auto* form = new TForm1(Application);
    form->Show();
    ModalWatcher watcher;
    OpenStartFolder(*form, c.argument);
    Pump();
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(form->DirEdt->Text(), c.field);
    EXPECT_EQ(form->sStatusBar1->SimpleText(), c.status);
    // A folder shows its preview at once (the default folder picture here).
    EXPECT_EQ(form->Image1->HasPicture(), c.status.empty());
    EXPECT_EQ(form->Customizer().FolderPath(), c.field);
    delete form;
    Pump();
  }
  SetCurrentDirectoryW(started);
}

std::wstring ProgramPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  path.resize(path.find_last_of(L'\\'));
  return path + L"\\..\\..\\Folvane.exe";
}

struct WindowSearch {
  DWORD pid;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND wnd, LPARAM lp) {
  auto* s = reinterpret_cast<WindowSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  wchar_t name[64] = L"";
  GetClassNameW(wnd, name, 64);
  if (pid == s->pid && IsWindowVisible(wnd) && lstrcmpW(name, s->className) == 0) {
    s->found = wnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK AddChildText(HWND child, LPARAM lp) {
  wchar_t text[512] = L"";
  SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  reinterpret_cast<std::vector<std::wstring>*>(lp)->push_back(text);
  return TRUE;
}

struct Started {
  PROCESS_INFORMATION info{};
  explicit Started(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + ProgramPath() + L"\" " + arguments;
    STARTUPINFOW startup{sizeof(startup)};
    CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  ~Started() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  // The process's visible top-level window of this class, waited for.
  HWND Window(const wchar_t* className) const {
    for (int i = 0; i < 300; ++i) {
      WindowSearch search{info.dwProcessId, className, nullptr};
      EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found) return search.found;
      Sleep(50);
    }
    return nullptr;
  }
  DWORD ExitCode() const {
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0) return 0xDEAD;
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
  }
};

std::vector<std::wstring> ChildTexts(HWND wnd) {
  std::vector<std::wstring> texts;
  EnumChildWindows(wnd, AddChildText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
  for (const auto& t : texts) {
    if (t == text) return true;
  }
  return false;
}

TEST(StartFolder, ProgramStartsWithTheFolderOfItsCommandLine) {
  TempFolder dir;
  const std::wstring spaced = dir.File(L"Work & Play");
  CreateDirectoryW(spaced.c_str(), nullptr);
  for (const std::wstring& folder : {spaced, std::wstring(L"C:\\")}) {
    SCOPED_TRACE(folder);
    Started program(L"\"" + folder + L"\"");
    ASSERT_TRUE(program.info.hProcess);
    HWND main = program.Window(L"TForm1");
    ASSERT_TRUE(main);
    Sleep(200);
    EXPECT_TRUE(Contains(ChildTexts(main), folder));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0u);
  }
}

TEST(StartFolder, ProgramShowsUsageAndExitsWithTwo) {
  for (const wchar_t* arguments : {L"C:\\a C:\\b", L"/?", L"\"C:\\\" -x"}) {
    SCOPED_TRACE(arguments);
    Started program(arguments);
    ASSERT_TRUE(program.info.hProcess);
    HWND box = program.Window(L"#32770");
    ASSERT_TRUE(box);
    wchar_t caption[64] = L"";
    GetWindowTextW(box, caption, 64);
    EXPECT_STREQ(caption, L"Folvane 1.0");
    EXPECT_TRUE(Contains(ChildTexts(box), L"Usage: Folvane.exe [folder]"));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.ExitCode(), 2u);
  }
}

}  // namespace
