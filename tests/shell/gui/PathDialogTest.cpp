// The "Select directory" dialog: its buttons' rules, Create with its
// numbering, OK while a name is edited, and the keyboard in a modal run.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "controls/gui/ControlSkins.h"
#include "controls/win/sTooledit.h"
#include "shell/ShellNames.h"
#include "shell/gui/ShellTestTree.h"
#include "shell/win/vtPathDialog.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class PathDialog : public folvane::test::NoHandleLeaks {
 protected:
  void TearDown() override {
    delete dialog;
    Pump();
    NoHandleLeaks::TearDown();
  }
  void Open(const std::wstring& root) {
    dialog = new TPathDialogForm(Application);
    dialog->Localise();
    dialog->FormCreate();
    dialog->sShellTreeView1->SetRoot(root);
    dialog->Show();
    Pump();
  }
  TsShellTreeView* Tree() const { return dialog->sShellTreeView1; }

  TestFolders folders;
  TPathDialogForm* dialog = nullptr;
};

TEST_F(PathDialog, LayoutAndCaptions) {
  Open(folders.Root);
  EXPECT_EQ(dialog->Caption(), L"Select directory");
  EXPECT_EQ(dialog->Width(), 319);
  EXPECT_EQ(dialog->Height(), 397);
  EXPECT_TRUE(GetWindowLongW(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongW(dialog->Handle(), GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(dialog->sBitBtn1->Caption(), L"OK");
  EXPECT_EQ(dialog->sBitBtn2->Caption(), L"Cancel");
  EXPECT_EQ(dialog->sBitBtn3->Caption(), L"Create");
  EXPECT_FALSE(dialog->sEdit1->Visible());

  // The tree follows the size on all sides, OK and Cancel the bottom right,
  // Create the bottom left; the dialog never gets smaller than 275 x 250.
  const RECT tree = Tree()->BoundsRect(), ok = dialog->sBitBtn1->BoundsRect(),
             create = dialog->sBitBtn3->BoundsRect();
  SetWindowPos(dialog->Handle(), nullptr, 0, 0, 419, 447, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(Tree()->Width(), tree.right - tree.left + 100);
  EXPECT_EQ(Tree()->Height(), tree.bottom - tree.top + 50);
  EXPECT_EQ(dialog->sBitBtn1->Left(), ok.left + 100);
  EXPECT_EQ(dialog->sBitBtn1->Top(), ok.top + 50);
  EXPECT_EQ(dialog->sBitBtn3->Left(), create.left);
  SetWindowPos(dialog->Handle(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  RECT window;
  GetWindowRect(dialog->Handle(), &window);
  EXPECT_EQ(window.right - window.left, 275);
  EXPECT_EQ(window.bottom - window.top, 250);
}

TEST_F(PathDialog, OkAndCreateOnlyForExistingDirectoriesBelowTheRoot) {
  Open(folders.Root);
  // The root node never: on the desktop its parsing name is a folder too.
  EXPECT_TRUE(Tree()->GetFirstNode()->Selected());
  EXPECT_FALSE(dialog->sBitBtn1->Enabled());
  EXPECT_FALSE(dialog->sBitBtn3->Enabled());
  Tree()->SetPath(folders.Alpha);
  EXPECT_TRUE(dialog->sBitBtn1->Enabled());
  EXPECT_TRUE(dialog->sBitBtn3->Enabled());
  Tree()->GetFirstNode()->Select();
  EXPECT_FALSE(dialog->sBitBtn1->Enabled());

  delete dialog;
  dialog = nullptr;
  Open(L"rfDesktop");
  EXPECT_FALSE(dialog->sBitBtn1->Enabled());
  Tree()->SetPath(folders.Beta);
  EXPECT_TRUE(dialog->sBitBtn1->Enabled());
}

TEST_F(PathDialog, CreateTakesTheNextFreeNumberAndOpensItsName) {
  CreateDirectoryW((folders.Epsilon + L"\\New folder1").c_str(), nullptr);
  CreateDirectoryW((folders.Epsilon + L"\\New folder2").c_str(), nullptr);
  Open(folders.Root);
  Tree()->SetPath(folders.Epsilon);
  dialog->sBitBtn3Click();
  const std::wstring made = folders.Epsilon + L"\\New folder3";
  EXPECT_TRUE(DirectoryExists(made));
  EXPECT_TRUE(SameText(Tree()->Path(), made));
  EXPECT_TRUE(Tree()->IsEditing());
  EXPECT_EQ(GetFocus(), Tree()->EditHandle());

  // OK while the name is edited keeps the name and the dialog.
  SetWindowTextW(Tree()->EditHandle(), L"Holiday");
  dialog->sBitBtn1->Click();
  Pump();
  EXPECT_EQ(dialog->ModalResult, mrNone);
  EXPECT_FALSE(Tree()->IsEditing());
  EXPECT_EQ(GetFocus(), Tree()->Handle());
  EXPECT_TRUE(DirectoryExists(folders.Epsilon + L"\\Holiday"));
  EXPECT_TRUE(SameText(Tree()->Path(), folders.Epsilon + L"\\Holiday"));
  dialog->sBitBtn1->Click();
  EXPECT_EQ(dialog->ModalResult, mrOk);
}

TEST_F(PathDialog, AClickOnOkThatEndsTheEditOnlyEndsTheEdit) {
  Open(folders.Root);
  Tree()->SetPath(folders.Alpha);
  dialog->sBitBtn3Click();
  ASSERT_TRUE(Tree()->IsEditing());
  ClickAt(dialog->sBitBtn1->Handle(), 10, 10);
  Pump();
  EXPECT_FALSE(Tree()->IsEditing());
  EXPECT_EQ(dialog->ModalResult, mrNone);
  EXPECT_TRUE(DirectoryExists(folders.Alpha + L"\\New folder1"));
  ClickAt(dialog->sBitBtn1->Handle(), 10, 10);
  EXPECT_EQ(dialog->ModalResult, mrOk);
}

TEST_F(PathDialog, AFolderThatCannotBeMadeIsReported) {
  Open(folders.Root);
  Tree()->SetPath(folders.Beta2);
  // A file where the new folder would go.
  const std::wstring blocker = folders.Beta2 + L"\\New folder1";
  HANDLE file = CreateFileW(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  CloseHandle(file);
  // The free-name search takes the file for a free name; making it fails.
  ModalWatcher boxes;
  dialog->sBitBtn3Click();
  Pump();
  DeleteFileW(blocker.c_str());
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].caption, L"Error");
  EXPECT_EQ(boxes.Seen()[0].text, L"Directory " + blocker + L" can`t be created!");
  EXPECT_FALSE(Tree()->IsEditing());
}

// Runs the dialog modally and sends it keys once it is up.
std::function<void()> g_whenShown;

void CALLBACK RunWhenShown(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_whenShown) g_whenShown();
}

TPathDialogForm* OpenDialog() {
  for (TForm* f : Application->Forms())
    if (auto* d = dynamic_cast<TPathDialogForm*>(f); d && d->Modal()) return d;
  return nullptr;
}

TEST_F(PathDialog, EnterPressesOkAndEscapePressesCancel) {
  std::wstring chosen;
  TPathDialogForm* seen = nullptr;
  g_whenShown = [&] {
    seen = OpenDialog();
    if (seen) PressKey(seen->sShellTreeView1->Handle(), VK_RETURN);
  };
  SetTimer(nullptr, 0, 100, RunWhenShown);
  EXPECT_TRUE(ExecutePathDialog(folders.Root, folders.Gamma, sdAllowCreate, L"", chosen));
  ASSERT_NE(seen, nullptr);
  EXPECT_TRUE(SameText(chosen, folders.Gamma));

  bool createVisible = true;
  g_whenShown = [&] {
    seen = OpenDialog();
    if (!seen) return;
    createVisible = seen->sBitBtn3->Visible();
    PressKey(seen->sShellTreeView1->Handle(), VK_ESCAPE);
  };
  SetTimer(nullptr, 0, 100, RunWhenShown);
  chosen.clear();
  EXPECT_FALSE(ExecutePathDialog(folders.Root, folders.Gamma, sdPrompt, L"", chosen));
  EXPECT_TRUE(chosen.empty());
  EXPECT_FALSE(createVisible);
  g_whenShown = nullptr;
}

class DirectoryEditPathDialog : public PathDialog {
 protected:
  void SetUp() override {
    // The built-in glyphs live as long as the process: read them first.
    BuiltInEditGlyph(L"BTN_OPENFOLDER");
    PathDialog::SetUp();
  }
};

TEST_F(DirectoryEditPathDialog, StartsAtTheTextOrInitialDirAndRemembersTheChoice) {
  RegisterPathDialog();
  OwnSkinManager manager(InternalSkin());
  auto* form = new TForm(Application);
  form->SetBounds(100, 100, 440, 120);
  auto* edit = new TsDirectoryEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 402, 21);
  edit->SkinData.SetSkinSection(L"EDIT");
  edit->SkinData.Loaded();
  edit->Root = folders.Root;
  edit->InitialDir = folders.Gamma;
  edit->NoChangeDir = true;
  int changes = 0;
  edit->OnChange = [&](TControl*) { ++changes; };
  form->Show();
  Pump();

  std::wstring startedAt;
  g_whenShown = [&] {
    TPathDialogForm* d = OpenDialog();
    if (!d) return;
    startedAt = d->sShellTreeView1->Path();
    d->sShellTreeView1->SetPath(folders.Beta);
    d->sBitBtn1->Click();
  };
  SetTimer(nullptr, 0, 100, RunWhenShown);
  edit->Button()->Click();
  Pump();
  EXPECT_TRUE(SameText(startedAt, folders.Gamma));
  EXPECT_TRUE(SameText(edit->Text(), folders.Beta));
  EXPECT_TRUE(SameText(edit->InitialDir, folders.Beta));
  EXPECT_EQ(changes, 1);

  // The next opening starts at the text; Cancel changes nothing.
  edit->InitialDir = folders.Epsilon;
  startedAt.clear();
  g_whenShown = [&] {
    TPathDialogForm* d = OpenDialog();
    if (!d) return;
    startedAt = d->sShellTreeView1->Path();
    d->sBitBtn2->Click();
  };
  SetTimer(nullptr, 0, 100, RunWhenShown);
  edit->Button()->Click();
  Pump();
  EXPECT_TRUE(SameText(startedAt, folders.Beta));
  EXPECT_TRUE(SameText(edit->Text(), folders.Beta));
  EXPECT_TRUE(SameText(edit->InitialDir, folders.Epsilon));
  EXPECT_EQ(changes, 1);
  g_whenShown = nullptr;
  delete form;
  Pump();
}

}  // namespace
