// The skinned speed button: groups that stay down one at a time, the check
// style, the hover passed between siblings, separators that show only what
// lies behind them, and the animation timer that ends with the fade.
#include "controls/win/sSpeedButton.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/win/Form.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/Resources.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"

namespace folvane {
namespace {

using testing::Pump;

class SpeedButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = new TForm(Application);
    form_->SetBounds(100, 100, 300, 120);
    manager_ = new TsSkinManager(form_);
    TsStoredSkin ambrel;
    ambrel.Name = u"Ambrel (internal)";
    ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
    manager_->SetInternalSkins({ambrel});
    manager_->SetSkinName(L"Ambrel (internal)");
    for (int i = 0; i < 3; ++i) buttons_.push_back(Make(10 + 30 * i));
    form_->Show();
    Pump(20);
  }
  void TearDown() override {
    delete form_;
    Pump();
  }
  TsSpeedButton* Make(int left) {
    auto* b = new TsSpeedButton(form_);
    b->SetParent(form_);
    b->SetBounds(left, 10, 25, 25);
    b->Loaded();
    b->OnClick = [this](TControl* s) { clicks_.push_back(s); };
    return b;
  }
  static void Click(TsSpeedButton* b) {
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }

  TForm* form_ = nullptr;
  TsSkinManager* manager_ = nullptr;
  std::vector<TsSpeedButton*> buttons_;
  std::vector<TControl*> clicks_;
};

TEST_F(SpeedButtons, AGroupIsDownOneAtATime) {
  for (TsSpeedButton* b : buttons_) b->GroupIndex = 1;
  Click(buttons_[0]);
  EXPECT_TRUE(buttons_[0]->Down());
  EXPECT_EQ(buttons_[0]->PaintState(), 2);
  Click(buttons_[1]);
  EXPECT_FALSE(buttons_[0]->Down());
  EXPECT_TRUE(buttons_[1]->Down());
  Click(buttons_[1]);  // not all up without AllowAllUp
  EXPECT_TRUE(buttons_[1]->Down());
  buttons_[1]->AllowAllUp = true;
  Click(buttons_[1]);
  EXPECT_FALSE(buttons_[1]->Down());
  EXPECT_EQ(clicks_.size(), 4u);
  // Without a group, Down does not stick.
  buttons_[2]->GroupIndex = 0;
  buttons_[2]->SetDown(true);
  EXPECT_FALSE(buttons_[2]->Down());
}

TEST_F(SpeedButtons, CheckStyleTogglesAndReleaseOutsideDoesNotClick) {
  TsSpeedButton* b = buttons_[0];
  b->SetButtonStyle(TToolButtonStyle::tbsCheck);
  Click(b);
  EXPECT_TRUE(b->Down());
  Click(b);
  EXPECT_FALSE(b->Down());
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(b->Pressed());
  b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 5));
  EXPECT_FALSE(b->Pressed());
  EXPECT_EQ(clicks_.size(), 2u);
}

TEST_F(SpeedButtons, HoverPassesFromSiblingToSibling) {
  buttons_[0]->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(buttons_[0]->SkinData.Hovered);
  EXPECT_EQ(buttons_[0]->PaintState(), 1);
  buttons_[1]->Perform(CM_MOUSEENTER);
  EXPECT_FALSE(buttons_[0]->SkinData.Hovered);
  EXPECT_TRUE(buttons_[1]->SkinData.Hovered);
}

TEST_F(SpeedButtons, AnimationRunsOutAndLeavesNoTimer) {
  const long timers = HandleCount::Live(HandleKind::Timer);
  TsSpeedButton* b = buttons_[0];
  ASSERT_TRUE(b->SkinData.IsSkinned());
  form_->Repaint();
  b->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(b->Animation());  // the skin's speed buttons fade
  for (int i = 0; i < 100 && b->Animation(); ++i) Pump(10);
  EXPECT_FALSE(b->Animation());
  b->Perform(CM_MOUSELEAVE);
  delete b;  // in the middle of the fade back
  buttons_.erase(buttons_.begin());
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers);
}

TEST_F(SpeedButtons, SeparatorShowsOnlyWhatLiesBehind) {
  TsSpeedButton* b = buttons_[1];
  b->SetCaption(L"X");
  b->SetButtonStyle(TToolButtonStyle::tbsSeparator);
  form_->Repaint();
  const TBitmap* cache = b->SkinData.CacheBitmap();
  ASSERT_TRUE(cache && !cache->Empty());
  const TColor corner = cache->Pixels().GetColor(0, 0);
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x)
      ASSERT_EQ(cache->Pixels().GetColor(x, y), corner) << x << ", " << y;
  b->SetButtonStyle(TToolButtonStyle::tbsButton);
  b->Perform(CM_MOUSEENTER);  // the skin frames its speed buttons when hot
  for (int i = 0; i < 100 && b->Animation(); ++i) Pump(10);
  form_->Repaint();
  bool framed = false;
  for (int x = 0; x < cache->Width(); ++x) framed |= cache->Pixels().GetColor(x, 1) != corner;
  EXPECT_TRUE(framed);
}

}  // namespace
}  // namespace folvane
