// The window fade, frame by frame: the frames shown on the output window
// and their weights are recorded through the fade's hooks, the pauses
// between them counted instead of slept.
#include "paint/win/WindowFade.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "skin/win/OutputWindow.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

namespace folvane {
namespace {

class WindowFade : public test::NoHandleLeaks {
 protected:
  void SetUp() override {
    NoHandleLeaks::SetUp();
    form_ = new TForm(Application);
    form_->SetBounds(40, 40, 220, 140);
    form_->SetColor(0x00C000);
    panel_ = new TPanel(form_);
    panel_->SetParent(form_);
    panel_->SetBounds(20, 10, 60, 40);
    panel_->SetColor(0xC00000);
    form_->Show();
    testing::Pump();
    WindowFadeTestHooks().FrameShown = [this](const PixelBuffer& frame, int weight) {
      weights_.push_back(weight);
      animating_.push_back(FormAnimating);
      outputShown_.push_back(TOutputWindow::Current() != nullptr);
      if (weight == -1) last_ = frame.Clone();
    };
    WindowFadeTestHooks().Pause = [this](int ms) { pauses_.push_back(ms); };
  }
  void TearDown() override {
    WindowFadeTestHooks() = {};
    delete form_;
    testing::Pump();
    NoHandleLeaks::TearDown();
  }

  TForm* form_ = nullptr;
  TPanel* panel_ = nullptr;
  std::vector<int> weights_;
  std::vector<bool> animating_;
  std::vector<bool> outputShown_;
  std::vector<int> pauses_;
  PixelBuffer last_;
};

TEST_F(WindowFade, HundredMillisecondsGiveTwelveFurtherFrames) {
  AnimateWindowChange(form_, 100);
  ASSERT_EQ(weights_.size(), 14u);  // 13 blended frames, then the new image
  for (int i = 0; i <= 12; ++i) EXPECT_EQ(weights_[i], 255 - 21 * i);
  EXPECT_EQ(weights_.back(), -1);
  EXPECT_EQ(pauses_, std::vector<int>(12, 8));
  for (bool a : animating_) EXPECT_TRUE(a);
  for (bool shown : outputShown_) EXPECT_TRUE(shown);
  EXPECT_FALSE(FormAnimating);
  EXPECT_EQ(TOutputWindow::Current(), nullptr);
}

TEST_F(WindowFade, ShortTimesShowOnlyTheNewImage) {
  for (int time : {0, 7}) {
    SCOPED_TRACE(time);
    weights_.clear();
    pauses_.clear();
    AnimateWindowChange(form_, time);
    EXPECT_EQ(weights_, std::vector<int>{-1});
    EXPECT_TRUE(pauses_.empty());
  }
}

TEST_F(WindowFade, LongTimesAreCappedAndStillFade) {
  AnimateWindowChange(form_, 5000);
  ASSERT_EQ(weights_.size(), static_cast<size_t>(kMaxWindowFadeTime / 8 + 2));
  for (size_t i = 1; i + 1 < weights_.size(); ++i) EXPECT_LT(weights_[i], weights_[i - 1]);
  EXPECT_LE(static_cast<int>(pauses_.size()) * 8, kMaxWindowFadeTime);
}

TEST_F(WindowFade, TheNewImageShowsTheFormAndItsChildren) {
  AnimateWindowChange(form_, 0);
  ASSERT_FALSE(last_.Empty());
  RECT window;
  GetWindowRect(form_->Handle(), &window);
  POINT client{0, 0};
  ClientToScreen(form_->Handle(), &client);
  const int cx = client.x - window.left, cy = client.y - window.top;
  EXPECT_EQ(last_.Width(), window.right - window.left);
  EXPECT_EQ(last_.GetColor(cx + 5, cy + 80), 0x00C000u);  // the form's client
  EXPECT_EQ(last_.GetColor(cx + 45, cy + 30), 0xC00000u);  // the panel on it
}

TEST_F(WindowFade, ManagerSeamIsFilledAndNothingHappensWithoutAWindow) {
  ManagerSeams().AnimateWindowChange = nullptr;
  InstallWindowFade();
  EXPECT_TRUE(static_cast<bool>(ManagerSeams().AnimateWindowChange));
  ManagerSeams().AnimateWindowChange = nullptr;
  AnimateWindowChange(nullptr, 100);
  TForm hidden(nullptr);
  AnimateWindowChange(&hidden, 100);  // no window yet
  EXPECT_TRUE(weights_.empty());
  EXPECT_FALSE(FormAnimating);
}

}  // namespace
}  // namespace folvane
