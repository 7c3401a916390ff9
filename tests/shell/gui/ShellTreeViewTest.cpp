// The shell tree on folders the test makes: lazy listing, selection by
// path through the desktop's namespace, refresh after changes made
// outside, errors, the keyboard, and no handle left behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/ShellErrors.h"
#include "shell/ShellNames.h"
#include "shell/gui/ShellTestTree.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class ShellTree : public folvane::test::NoHandleLeaks {};

TEST_F(ShellTree, ChildrenAreListedSortedWhenANodeFirstExpands) {
  TestFolders folders;
  TreeForm f(folders.Root);
  TTreeNode* root = f.Tree->GetFirstNode();
  ASSERT_NE(root, nullptr);
  EXPECT_TRUE(root->Expanded());
  EXPECT_TRUE(root->Selected());
  EXPECT_TRUE(SameText(f.Tree->Path(), folders.Root));
  EXPECT_EQ(f.ChildTexts(root), (std::vector<std::wstring>{L"Alpha", L"Epsilon"}));

  TTreeNode* alpha = f.Child(root, L"Alpha");
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->GetFirstChild(), nullptr);  // not listed before it expands
  EXPECT_TRUE(alpha->HasChildren());
  alpha->Expand();
  EXPECT_EQ(f.ChildTexts(alpha), (std::vector<std::wstring>{L"Beta", L"Beta2"}));
  EXPECT_EQ(f.Tree->FolderOf(alpha)->Level(), f.Tree->FolderOf(root)->Level() + 1);

  // A folder without sub-folders loses its button once it was opened.
  TTreeNode* epsilon = f.Child(root, L"Epsilon");
  epsilon->Expand();
  EXPECT_FALSE(epsilon->HasChildren());
  EXPECT_GE(epsilon->ImageIndex(), 0);  // the system's small folder icon
}

TEST_F(ShellTree, ADeepPathIsSelectedFromTheDesktop) {
  TestFolders folders;
  TreeForm f(L"rfDesktop");
  ASSERT_NE(f.Tree->GetFirstNode(), nullptr);
  f.Tree->SetPath(folders.Delta);
  EXPECT_TRUE(SameText(f.Tree->Path(), folders.Delta));
  TTreeNode* delta = f.Tree->Selected();
  ASSERT_NE(delta, nullptr);
  EXPECT_EQ(delta->Text(), L"Delta");
  EXPECT_EQ(delta->Parent()->Text(), L"Gamma");
  EXPECT_TRUE(delta->Parent()->Expanded());

  // The same path again changes nothing; another one moves the selection.
  const size_t nodes = f.Tree->NodeCount();
  f.Tree->SetPath(folders.Delta);
  EXPECT_EQ(f.Tree->Selected(), delta);
  EXPECT_EQ(f.Tree->NodeCount(), nodes);
  f.Tree->SetPath(folders.Beta2 + L"\\");
  EXPECT_TRUE(SameText(f.Tree->Path(), folders.Beta2));

  // A root given in capitals is the desktop as well: no rebuild.
  TTreeNode* first = f.Tree->GetFirstNode();
  f.Tree->SetRoot(L"RFDESKTOP");
  EXPECT_EQ(f.Tree->GetFirstNode(), first);
}

TEST_F(ShellTree, BadPathsAndRootsRaiseAndLeaveTheTree) {
  TestFolders folders;
  TreeForm f(folders.Root);
  TTreeNode* first = f.Tree->GetFirstNode();
  const std::wstring missing = folders.Root + L"\\No such folder\\deeper";
  try {
    f.Tree->SetPath(missing);
    FAIL() << "no error";
  } catch (const EShellError& e) {
    EXPECT_EQ(e.Message(), L"Error Setting Path");
  }
  try {
    f.Tree->SetRoot(missing);
    FAIL() << "no error";
  } catch (const EShellError& e) {
    EXPECT_EQ(e.Message(), L"Error Setting Path");
  }
  EXPECT_EQ(f.Tree->Root(), folders.Root);
  EXPECT_EQ(f.Tree->GetFirstNode(), first);
  EXPECT_THROW(f.Tree->SetPath(L""), EShellError);
}

TEST_F(ShellTree, RefreshShowsNewFoldersAndDropsDeletedOnesKeepingExpansion) {
  TestFolders folders;
  TreeForm f(folders.Root);
  f.Tree->SetPath(folders.Gamma);
  ModalWatcher boxes;
  CreateDirectoryW((folders.Root + L"\\Zeta").c_str(), nullptr);
  RemoveDirectoryW(folders.Epsilon.c_str());
  f.Tree->RefreshNode(f.Tree->GetFirstNode());
  TTreeNode* root = f.Tree->GetFirstNode();
  EXPECT_EQ(f.ChildTexts(root), (std::vector<std::wstring>{L"Alpha", L"Zeta"}));
  EXPECT_TRUE(SameText(f.Tree->Path(), folders.Gamma));  // selection kept
  EXPECT_TRUE(f.Tree->Selected()->Parent()->Expanded());

  // The selected folder itself deleted outside: its node goes on refresh.
  RemoveDirectoryW(folders.Delta.c_str());
  RemoveDirectoryW(folders.Gamma.c_str());
  f.Tree->RefreshNode(f.Tree->Selected());
  TTreeNode* beta = f.Tree->Selected();
  ASSERT_NE(beta, nullptr);
  EXPECT_EQ(beta->Text(), L"Beta");
  EXPECT_EQ(beta->GetFirstChild(), nullptr);
  Pump();
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ShellTree, RightExpandsAndDownMovesToTheChild) {
  TestFolders folders;
  TreeForm f(folders.Root);
  f.Tree->SetPath(folders.Alpha);
  f.Tree->SetFocus();
  TTreeNode* alpha = f.Tree->Selected();
  ASSERT_FALSE(alpha->Expanded());
  PressKey(f.Tree->Handle(), VK_RIGHT);
  EXPECT_TRUE(alpha->Expanded());
  PressKey(f.Tree->Handle(), VK_DOWN);
  EXPECT_EQ(f.Tree->Selected()->Text(), L"Beta");
  EXPECT_TRUE(SameText(f.Tree->Path(), folders.Beta));
}

TEST_F(ShellTree, RenameInPlaceRenamesTheFolder) {
  TestFolders folders;
  TreeForm f(folders.Root);
  f.Tree->SetPath(folders.Epsilon);
  ASSERT_TRUE(f.Tree->Selected()->EditText());
  HWND edit = f.Tree->EditHandle();
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"Renamed");
  f.Tree->EndEditing(false);
  Pump();
  EXPECT_TRUE(DirectoryExists(folders.Root + L"\\Renamed"));
  EXPECT_FALSE(DirectoryExists(folders.Epsilon));
  EXPECT_EQ(f.ChildTexts(f.Tree->GetFirstNode()),
            (std::vector<std::wstring>{L"Alpha", L"Renamed"}));
}

}  // namespace
