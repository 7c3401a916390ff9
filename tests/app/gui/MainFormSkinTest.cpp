// The main window's skinned fields, labels and status line with the
// internal skin, and the plain window they give back when the skin
// manager is switched off.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win/FrmMain.h"
#include "paint/PaintColor.h"
#include "skin/SkinModel.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

TEST(MainFormSkin, FieldLabelsAndStatusFollowTheSkinAndWorkWithoutIt) {
  auto* form = new TForm1(Application);
  form->Show();
  form->sStatusBar1->SetSimpleText(L"Last action: clear fields");
  Pump(50);
  const SkinModel& model = form->sSkinManager1->Model();
  EXPECT_TRUE(form->HintEdt->SkinData.IsSkinned());
  EXPECT_EQ(form->HintEdt->SkinData.SectionIndex, model.FindSection("EDIT"));
  EXPECT_EQ(form->sStatusBar1->SkinData.SectionIndex, model.FindSection("STATUSBAR"));
  EXPECT_FALSE(form->sStatusBar1->SizeGripShown());  // the window cannot be resized
  RedrawWindow(form->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (TsLabel* label : {form->sLabel1, form->sLabel2, form->sLabel3})
    EXPECT_EQ(label->Font().Color(), model.GlobalTextColor()) << label->Caption();
  EXPECT_FALSE(form->sStatusBar1->SkinData.BackgroundChanged);

  // Switched off: plain colours and the platform's painting, and the
  // fields and status line still work.
  form->sSkinManager1->SetActive(false);
  Pump(30);
  EXPECT_FALSE(form->HintEdt->SkinData.IsSkinned());
  EXPECT_FALSE(form->sStatusBar1->SkinData.IsSkinned());
  EXPECT_EQ(form->HintEdt->Color(), clWindow);
  for (TsLabel* label : {form->sLabel1, form->sLabel2, form->sLabel3})
    EXPECT_EQ(label->Font().Color(), clWindowText);
  form->HintEdt->SetFocus();
  TypeText(form->HintEdt->Handle(), L"tip");
  EXPECT_EQ(form->HintEdt->Text(), L"tip");
  form->sStatusBar1->SetSimpleText(L"Last action: show about box");
  // In simple mode the platform's bar answers its one text as part 0.
  wchar_t shown[64] = {};
  SendMessageW(form->sStatusBar1->Handle(), SB_GETTEXTW, 0,
               reinterpret_cast<LPARAM>(shown));
  EXPECT_STREQ(shown, L"Last action: show about box");

  // And back on.
  form->sSkinManager1->SetActive(true);
  Pump(30);
  EXPECT_TRUE(form->HintEdt->SkinData.IsSkinned());
  EXPECT_TRUE(form->sStatusBar1->SkinData.IsSkinned());
  delete form;
  Pump();
}

}  // namespace
