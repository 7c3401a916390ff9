// The caption label that follows an edit-like control.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/win/sEditLabel.h"
#include "paint/gui/SkinnedTestControls.h"
#include "controls/win/sBoundLabel.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

TEST(BoundLabel, PositionByLayout) {
  const RECT control{100, 50, 220, 71};  // 120 x 21
  const SIZE label{40, 13};
  const struct {
    TsCaptionLayout layout;
    int indent;
    POINT at;
  } cases[] = {
      {TsCaptionLayout::sclLeft, 0, {56, 53}},      {TsCaptionLayout::sclLeft, 5, {51, 53}},
      {TsCaptionLayout::sclTopLeft, 0, {100, 37}},  {TsCaptionLayout::sclTopLeft, 2, {100, 35}},
      {TsCaptionLayout::sclTopCenter, 0, {140, 37}}, {TsCaptionLayout::sclTopRight, 0, {180, 37}},
  };
  for (const auto& c : cases) {
    const POINT p = BoundLabelPosition(c.layout, control, label, c.indent);
    EXPECT_EQ(p.x, c.at.x) << static_cast<int>(c.layout) << " indent " << c.indent;
    EXPECT_EQ(p.y, c.at.y) << static_cast<int>(c.layout) << " indent " << c.indent;
  }
  // Halves truncate toward zero: a label higher than its control.
  EXPECT_EQ(BoundLabelPosition(TsCaptionLayout::sclLeft, {0, 0, 10, 10}, {5, 13}, 0).y, -2);
}

struct EditWithLabel {
  TForm* Form;
  TestSkinnedPanel* Edit;
  TsBoundLabel Bound;

  EditWithLabel()
      : Form(new TForm(Application)),
        Edit(new TestSkinnedPanel(Form, Form, L"FolderEdit", kEditLikeKind, L"",
                                  {100, 50, 220, 71})),
        Bound(Edit, &Edit->SkinData) {}
  ~EditWithLabel() {
    Bound.SetActive(false);
    delete Form;
  }
};

TEST(BoundLabel, ActiveMakesAPlacedLabelNamedAfterTheControl) {
  EditWithLabel e;
  e.Bound.SetActive(true);
  TsEditLabel* label = e.Bound.Label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Name, L"FolderEditLabel");
  EXPECT_EQ(label->Caption(), L"FolderEdit");  // no caption: the control's name
  EXPECT_EQ(label->Parent(), e.Form);
  EXPECT_EQ(label->Owner(), e.Edit);
  EXPECT_EQ(label->FocusControl, e.Edit);
  EXPECT_TRUE(label->Visible());
  EXPECT_EQ(label->Alignment, TAlignment::taRightJustify);

  e.Bound.SetCaption(L"Folder:");
  EXPECT_EQ(label->Caption(), L"Folder:");
  const POINT at = BoundLabelPosition(TsCaptionLayout::sclLeft, e.Edit->BoundsRect(),
                                      {label->Width(), label->Height()}, 0);
  EXPECT_GT(label->Width(), 0);
  EXPECT_EQ(label->Left(), at.x);
  EXPECT_EQ(label->Top(), at.y);

  e.Bound.SetLayout(TsCaptionLayout::sclTopLeft);
  e.Bound.SetIndent(3);
  EXPECT_EQ(label->Left(), 100);
  EXPECT_EQ(label->Top(), 50 - label->Height() - 3);
  EXPECT_EQ(label->Alignment, TAlignment::taLeftJustify);

  e.Bound.SetMaxWidth(30);
  EXPECT_FALSE(label->AutoSize);
  EXPECT_TRUE(label->WordWrap);
  EXPECT_EQ(label->Width(), 30);
  EXPECT_GE(label->Height(), 21);

  // The label follows the control.
  e.Bound.SetMaxWidth(0);
  e.Edit->SetBounds(150, 80, 120, 21);
  e.Edit->SetVisible(false);
  e.Bound.ControlChanged();
  EXPECT_FALSE(label->Visible());
  e.Edit->SetVisible(true);
  e.Edit->SetEnabled(false);
  e.Bound.ControlChanged();
  EXPECT_FALSE(label->Enabled());
  EXPECT_EQ(label->Left(), 150);

  e.Bound.SetActive(false);
  EXPECT_EQ(e.Bound.Label(), nullptr);
  EXPECT_EQ(e.Edit->FindComponent(L"FolderEditLabel"), nullptr);
  EXPECT_TRUE(e.Bound.UseSkinColor());
}

TEST(BoundLabel, FontIsCopiedAndALabelFreedElsewhereIsForgotten) {
  EditWithLabel e;
  e.Bound.SetActive(true);
  TFont font(L"Tahoma", -16, 0x0000FF);
  e.Bound.SetFont(font);
  TsEditLabel* label = e.Bound.Label();
  EXPECT_EQ(label->Font().Height(), -16);
  EXPECT_EQ(label->Font().Color(), 0x0000FFu);
  EXPECT_FALSE(label->ParentFont);
  e.Bound.SetUseSkinColor(false);
  EXPECT_FALSE(e.Bound.UseSkinColor());

  delete label;  // freed by someone else: the bound label lets go of it
  EXPECT_FALSE(e.Bound.Active());
  e.Bound.SetActive(true);  // and can make a new one
  EXPECT_NE(e.Bound.Label(), nullptr);
}

}  // namespace
