// The skinned tree view follows its section's colours (and the system's
// once the skin goes), down to the platform control and its image list.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "paint/gui/SkinnedTestControls.h"
#include "shell/win/sTreeView.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

TEST(SkinnedTree, TakesTheEditColoursAndGivesThemBack) {
  TestSkinManager manager;
  auto* form = new TForm(Application);
  auto* tree = new TsTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 200, 150);
  tree->Loaded();
  auto* custom = new TsTreeView(form);
  custom->SetParent(form);
  custom->SetBounds(220, 10, 100, 150);
  custom->SetColor(0x00FFFF);
  custom->SkinData.SetCustomColor(true);
  custom->Loaded();
  form->Show();
  Pump();
  EXPECT_EQ(tree->SkinData.SkinSection(), L"EDIT");
  EXPECT_EQ(tree->Color(), 0xFFFFFFu);
  EXPECT_EQ(tree->Font().Color(), 128u);
  EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETBKCOLOR, 0, 0), 0xFFFFFF);
  EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETTEXTCOLOR, 0, 0), 128);

  manager->SetActive(false);
  EXPECT_EQ(tree->Color(), clWindow);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tree->Handle(), TVM_GETBKCOLOR, 0, 0)),
            GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(custom->Color(), 0x00FFFFu);
  delete form;
  Pump();
}

}  // namespace
