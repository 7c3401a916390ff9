// The main window driven as a user drives it: typing into its edits,
// pressing its buttons and keys, and checking what lands on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/About.h"
#include "app/win/FrmMain.h"
#include "runtime/win/HandleCount.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class MainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm1(Application);
    about = new TAboutBox(Application);
    form->AboutBox = about;
    form->Show();
    Pump(50);
  }
  void TearDown() override {
    delete about;
    delete form;
    Pump();
  }
  HWND Focus() const { return GetFocus(); }
  std::wstring Status() const { return form->sStatusBar1->SimpleText(); }
  void Click(TWinControl* button) {
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  void Type(TEdit* edit, const std::wstring& text) {
    edit->SetFocus();
    TypeText(edit->Handle(), text);
  }

  TForm1* form = nullptr;
  TAboutBox* about = nullptr;
};

TEST_F(MainForm, LayoutTextsHintsAndLimits) {
  EXPECT_EQ(form->Caption(), L"Folvane");
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 418);
  EXPECT_EQ(client.bottom, 188);
  const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  struct Row {
    TControl* control;
    RECT bounds;
    const wchar_t* text;
    const wchar_t* hint;
  } rows[] = {
      {form->Image1, {371, 49, 403, 81}, L"", L""},
      {form->sBevel1, {364, 44, 410, 86}, L"", L""},
      {form->sLabel1, {8, 4, 135, 17}, L"Select folder to customize:", L""},
      {form->sLabel2, {8, 41, 80, 54}, L"Select icon file:", L""},
      {form->sLabel3, {8, 78, 123, 91}, L"Enter info tip (optional):", L""},
      {form->DirEdt, {8, 17, 410, 38}, L"",
       L"Browse and select a folder to customize or to remove customization"},
      {form->IconEdt, {8, 54, 358, 75}, L"", L"Browse and select icon file"},
      {form->sBitBtn1, {8, 121, 82, 162}, L"Apply", L"Apply changes to folder"},
      {form->HintEdt, {8, 91, 410, 112}, L"", L"Enter folder info tip "},
      {form->sStatusBar1, {0, 169, 418, 188}, L"", L""},
      {form->sBitBtn2, {88, 121, 169, 162}, L"Remove", L"Remove customization from folder"},
      {form->sBitBtn3, {175, 121, 250, 162}, L"Clear Fields", L"Clear all edit fields"},
      {form->sBitBtn4, {255, 121, 330, 162}, L"About", L"About Folvane"},
      {form->sBitBtn5, {335, 121, 410, 162}, L"Close", L"Close Application"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control->Name);
    const RECT b = row.control->BoundsRect();
    EXPECT_EQ(b.left, row.bounds.left);
    EXPECT_EQ(b.top, row.bounds.top);
    EXPECT_EQ(b.right, row.bounds.right);
    EXPECT_EQ(b.bottom, row.bounds.bottom);
    EXPECT_EQ(row.control->Hint, row.hint);
    EXPECT_EQ(row.control->ShowHint, row.hint[0] != 0);
    if (auto* w = dynamic_cast<TWinControl*>(row.control); w && !dynamic_cast<TEdit*>(w)) {
      wchar_t text[64] = {};
      GetWindowTextW(w->Handle(), text, 64);
      EXPECT_EQ(std::wstring(text), row.text);
    } else if (!dynamic_cast<TEdit*>(row.control)) {
      EXPECT_EQ(row.control->Caption(), row.text);
    }
  }
  EXPECT_EQ(SendMessageW(form->DirEdt->Handle(), EM_GETLIMITTEXT, 0, 0), 255);
  EXPECT_EQ(SendMessageW(form->IconEdt->Handle(), EM_GETLIMITTEXT, 0, 0), 255);
  EXPECT_GT(SendMessageW(form->HintEdt->Handle(), EM_GETLIMITTEXT, 0, 0), 0x7FFE);
  EXPECT_EQ(form->IconEdt->Filter(), L"All files (*.ico)|*.ico");
  EXPECT_EQ(form->ImageList1->Count(), 1);
}

TEST_F(MainForm, StartsEmptyWithFocusInFolderFieldAndTabsInOrder) {
  EXPECT_EQ(Focus(), form->DirEdt->Handle());
  EXPECT_FALSE(form->Image1->HasPicture());
  EXPECT_EQ(Status(), L"");
  const std::vector<TWinControl*> order = {
      form->IconEdt, form->sBitBtn1, form->HintEdt, form->sBitBtn2, form->sBitBtn3,
      form->sBitBtn4, form->sBitBtn5, form->DirEdt};
  for (TWinControl* next : order) {
    PressKey(Focus(), VK_TAB);
    EXPECT_EQ(Focus(), next->Handle()) << "after Tab, expected " << std::string(next->Name.begin(), next->Name.end());
  }
  PressKey(Focus(), VK_TAB, true);
  EXPECT_EQ(Focus(), form->sBitBtn5->Handle());
  // The edits keep no tab character.
  EXPECT_EQ(form->DirEdt->Text(), L"");
}

TEST_F(MainForm, ApplyWritesDesktopIniThenClearsAndRemoveUndoesIt) {
  TempFolder dir;
  const std::wstring icon = dir.File(L"blue.ico");
  WriteIcoFile(icon, RGB(0, 0, 255));

  Type(form->DirEdt, dir.Path());
  EXPECT_TRUE(form->Image1->HasPicture());  // default folder picture while typing
  Type(form->IconEdt, icon);
  ASSERT_TRUE(form->Image1->HasPicture());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(form->Image1->Icon(), &info));
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  Type(form->HintEdt, L"My folder \u00e9\u4e2d");

  Click(form->sBitBtn1);
  EXPECT_EQ(Status(), L"Last action: folder was changed successfully");
  EXPECT_EQ(form->DirEdt->Text(), L"");
  EXPECT_EQ(form->IconEdt->Text(), L"");
  EXPECT_EQ(form->HintEdt->Text(), L"");
  EXPECT_FALSE(form->Image1->HasPicture());
  EXPECT_EQ(Focus(), form->DirEdt->Handle());
  EXPECT_EQ(form->Customizer().FolderPath(), L"");

  const std::wstring ini = dir.File(L"desktop.ini");
  EXPECT_EQ(GetFileAttributesW(ini.c_str()) & 0x7, FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(GetFileAttributesW(dir.Path().c_str()) & 0x7, FILE_ATTRIBUTE_SYSTEM);
  wchar_t value[512] = {};
  GetPrivateProfileStringW(L".ShellClassInfo", L"IconFile", L"", value, 512, ini.c_str());
  EXPECT_EQ(std::wstring(value), icon);
  GetPrivateProfileStringW(L".ShellClassInfo", L"InfoTip", L"", value, 512, ini.c_str());
  EXPECT_EQ(std::wstring(value), L"My folder \u00e9\u4e2d");

  // Typing the folder again previews its new icon.
  Type(form->DirEdt, dir.Path());
  EXPECT_EQ(form->Customizer().IconPath(), icon);
  EXPECT_TRUE(form->Image1->HasPicture());

  Click(form->sBitBtn2);
  EXPECT_EQ(Status(), L"Last action: remove icon from folder");
  EXPECT_EQ(GetFileAttributesW(ini.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(dir.Path().c_str()) & 0x7, 0u);
}

TEST_F(MainForm, FailedApplyKeepsTheFieldsForAnotherTry) {
  TempFolder dir;
  const std::wstring missing = dir.File(L"not-there");
  Type(form->DirEdt, missing);
  Type(form->HintEdt, L"tip");
  Click(form->sBitBtn1);
  EXPECT_EQ(Status(), L"IO Error");
  EXPECT_EQ(form->DirEdt->Text(), missing);
  EXPECT_EQ(form->HintEdt->Text(), L"tip");
  EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainForm, UnreadableIconIsReportedAndThePreviewKept) {
  TempFolder dir;
  Type(form->DirEdt, dir.Path());
  ASSERT_TRUE(form->Image1->HasPicture());
  const HICON before = form->Image1->Icon();
  const std::wstring ini = dir.File(L"desktop.ini");
  WritePrivateProfileStringW(L".ShellClassInfo", L"IconFile", L"C:\\windows\\system32\\shell32.dll",
                             ini.c_str());
  ModalWatcher watcher;
  // The folder text changes (a trailing backslash), so the lookup runs.
  TypeText(form->DirEdt->Handle(), L"\\");
  Pump(300);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].caption, L"Folvane 1.0");
  EXPECT_EQ(watcher.Seen()[0].text.back(), L'.');
  EXPECT_EQ(form->Image1->Icon(), before);
  EXPECT_EQ(form->Customizer().IconPath(), L"C:\\windows\\system32\\shell32.dll");
}

TEST_F(MainForm, ClearFieldsAndAboutSetTheirStatusAndFocus) {
  Type(form->HintEdt, L"something");
  Click(form->sBitBtn3);
  EXPECT_EQ(form->HintEdt->Text(), L"");
  EXPECT_EQ(Status(), L"Last action: clear fields");
  EXPECT_EQ(Focus(), form->DirEdt->Handle());

  form->sBitBtn5->SetFocus();
  {
    ModalWatcher watcher;  // closes the About box when it shows
    Click(form->sBitBtn4);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"About Folvane 1.0");
  }
  EXPECT_EQ(Status(), L"Last action: show about box");
  EXPECT_EQ(Focus(), form->DirEdt->Handle());
}

TEST_F(MainForm, EnterInTheAboutBoxPressesOk) {
  ModalWatcher watcher([](HWND wnd) { PostMessageW(GetFocus() ? GetFocus() : wnd, WM_KEYDOWN, VK_RETURN, 1); });
  const int result = about->ShowModal();
  EXPECT_EQ(result, mrOk);
}

TEST(MainFormLifetime, CreatingAndFreeingFormsLeavesNoHandleBehind) {
  auto round = [] {
    auto* form = new TForm1(Application);
    form->Show();
    Pump();
    TempFolder dir;
    form->DirEdt->SetText(dir.Path());
    Pump();
    delete form;
    Pump();
  };
  round();  // classes, fonts of the system and caches settle first
  const auto before = HandleCount::Take();
  for (int i = 0; i < 5; ++i) round();
  EXPECT_EQ(HandleCount::Take(), before);
}

}  // namespace

namespace {

// Types `name` into the file dialog's name field and confirms it; an empty
// name cancels.
std::function<void(HWND)> AnswerFileDialog(const std::wstring& name) {
  return [name](HWND dialog) {
    if (name.empty()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    HWND field = GetDlgItem(dialog, 0x47C);
    if (!field) field = GetDlgItem(dialog, 0x480);
    SetWindowTextW(field, name.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
}

TEST_F(MainForm, IconBrowseButtonChoosesAFileAndPreviewsIt) {
  TempFolder dir;
  const std::wstring icon = dir.File(L"green.ico");
  WriteIcoFile(icon, RGB(0, 160, 0));
  const RECT b = form->IconEdt->Button()->BoundsRect();
  {
    ModalWatcher watcher(AnswerFileDialog(icon));
    ClickAt(form->IconEdt->Handle(), b.left + 8, 8);
    Pump(50);
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(form->IconEdt->Text(), icon);
  EXPECT_TRUE(form->Image1->HasPicture());
  EXPECT_EQ(Focus(), form->IconEdt->Handle());

  // Cancelled: the field and the preview stay as they were.
  const HICON shown = form->Image1->Icon();
  {
    ModalWatcher watcher(AnswerFileDialog(L""));
    ClickAt(form->IconEdt->Handle(), b.left + 8, 8);
    Pump(50);
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(form->IconEdt->Text(), icon);
  EXPECT_EQ(form->Image1->Icon(), shown);
}

}  // namespace
