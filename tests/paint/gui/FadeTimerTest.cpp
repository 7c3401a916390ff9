// Button fades checked frame by frame: each frame offered to the owner with
// SKC_SHOWFADEFRAME is recorded, the timer stepped directly (and once
// through the message loop), never by timing.
#include "paint/win/sFade.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Form.h"
#include "runtime/win/HandleCount.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"

namespace folvane {
namespace {

// The channel a step shows when the old face is black and the new white.
std::uint8_t BlackToWhite(int step, int stepCount) {
  const int a = FadeFactor(step, stepCount);
  return static_cast<std::uint8_t>((255 * (255 - a) + 127) / 256);
}
TColor Grey(std::uint8_t v) { return RgbColor(v, v, v); }

// A windowed control with skin state whose cache is one flat colour: the
// colour it repaints on SKC_REBUILDIMAGE is `NewFace`.
template <typename Base>
class FadingControl : public Base {
 public:
  explicit FadingControl(TWinControl* parent) : Base(parent), Data(this, true) {
    this->SetParent(parent);
    this->SetBounds(10, 10, 40, 20);
    Data.SetSkinSection(L"BUTTON");
    Data.ResolveIndexes();
    Data.InitCacheBitmap();
    Data.CacheBitmap()->Pixels().Fill(0x000000);
    Data.BackgroundChanged = false;
  }
  TsCommonData Data;
  FadeTimerSlot Fade;
  AnimTimerSlot Anim;
  TColor NewFace = 0xFFFFFF;
  std::vector<TColor> Frames;  // a pixel of each frame offered
  int Stops = 0;
  int Paints = 0;

  void Paint(HDC) override {
    ++Paints;
    if (Anim) Frames.push_back(Anim->FrameImage.Pixels().GetColor(3, 3));
  }

 protected:
  void WndProc(Message& m) override {
    if (m.msg == SM_VANTILECMD) {
      switch (SkinCommandCode(m.wParam)) {
        case SKC_REBUILDIMAGE:
          Data.CacheBitmap()->Pixels().Fill(NewFace);
          Data.BackgroundChanged = false;
          m.result = 0;
          return;
        case SKC_SHOWFADEFRAME:
          Frames.push_back(reinterpret_cast<TBitmap*>(m.lParam)->Pixels().GetColor(3, 3));
          m.result = 1;
          return;
        case SKC_STOPANIMATION:
          ++Stops;
          StopFade(Fade);
          Anim.reset();
          m.result = 0;
          return;
        default:
          break;
      }
    }
    if (Data.HandleMessage(m)) return;
    Base::WndProc(m);
  }
};
using FadingButton = FadingControl<TWinControl>;
using FadingSpeedButton = FadingControl<TGraphicControl>;

class FadeTimers : public ::testing::Test {
 protected:
  void SetUp() override {
    timers_ = HandleCount::Live(HandleKind::Timer);
    SkinContents contents;
    TsGeneralData button;
    button.SectionName = "BUTTON";
    button.FadingEnabled = true;
    button.FadingIterations = 20;
    contents.Sections.push_back(button);
    manager_ = std::make_unique<TsSkinManager>(nullptr);
    manager_->Model().Assign(std::move(contents));
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, 200, 100);
    button_ = new FadingButton(form_);
    form_->Show();
    testing::Pump();
    // Painted: the cache shows the control (showing and sizing marked it stale).
    button_->Data.BackgroundChanged = false;
  }
  void TearDown() override {
    delete form_;
    manager_.reset();
    EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers_);  // no timer outlives its control
  }
  TsGeneralData& Section() {
    return const_cast<TsGeneralData&>(*manager_->Model().Section(0));
  }

  long timers_ = 0;
  std::unique_ptr<TsSkinManager> manager_;
  TForm* form_ = nullptr;
  FadingButton* button_ = nullptr;
};

TEST_F(FadeTimers, TwentyStepsEndOnTheNewFaceThenStop) {
  ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);
  ASSERT_TRUE(button_->Fade);
  EXPECT_TRUE(button_->Fade->Enabled());
  EXPECT_EQ(button_->Fade->StepCount, 20);
  EXPECT_EQ(button_->Fade->StartImage.Pixels().GetColor(3, 3), 0x000000u);  // the old face
  for (int step = 1; step <= 20; ++step) button_->Fade->Tick();
  ASSERT_EQ(button_->Frames.size(), 20u);
  for (int step = 1; step <= 20; ++step)
    EXPECT_EQ(button_->Frames[step - 1], Grey(BlackToWhite(step, 20))) << "step " << step;
  EXPECT_EQ(FadeFactor(20, 20), 0);  // the last frame is the new face alone
  EXPECT_EQ(button_->Stops, 0);
  button_->Fade->Tick();  // past the end: the owner is told to stop
  EXPECT_EQ(button_->Stops, 1);
  EXPECT_FALSE(button_->Fade);  // freed by the owner inside the tick
  EXPECT_EQ(button_->Frames.size(), 20u);
}

TEST_F(FadeTimers, HalvedFadeTakesHalfTheSteps) {
  ChangeStateAnimated(button_->Fade, button_->Data, true, 2, true);
  ASSERT_TRUE(button_->Fade);
  EXPECT_EQ(button_->Fade->StepCount, 10);
  EXPECT_EQ(button_->Fade->Direction(), 2);
}

TEST_F(FadeTimers, ReversedHalfwayGoesBackFromThePictureOnScreen) {
  ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);  // the mouse enters
  ASSERT_TRUE(button_->Fade);
  for (int i = 0; i < 10; ++i) button_->Fade->Tick();
  const std::uint8_t onScreen = BlackToWhite(10, 20);
  ASSERT_EQ(button_->Frames.back(), Grey(onScreen));
  TsFadeTimer* first = button_->Fade.get();
  button_->NewFace = 0x000000;  // and leaves at step 10
  ChangeStateAnimated(button_->Fade, button_->Data, false, 2, true);
  ASSERT_EQ(button_->Fade.get(), first);  // the slot's timer is reused
  EXPECT_EQ(button_->Fade->Step, 1);
  EXPECT_EQ(button_->Fade->StepCount, 10);  // as far back as it had come
  EXPECT_EQ(button_->Fade->StartImage.Pixels().GetColor(3, 3), Grey(onScreen));
  button_->Frames.clear();
  for (int i = 0; i < 10; ++i) button_->Fade->Tick();
  ASSERT_EQ(button_->Frames.size(), 10u);
  // No jump: the first frame back is one small step from the picture shown.
  const int a = FadeFactor(1, 10);
  const auto first_back = static_cast<std::uint8_t>((onScreen * a + 127) / 256);
  EXPECT_EQ(button_->Frames.front(), Grey(first_back));
  EXPECT_LE(onScreen - first_back, BlackToWhite(10, 20) - BlackToWhite(8, 20));
  EXPECT_EQ(button_->Frames.back(), Grey(0));
}

TEST_F(FadeTimers, RestartBeforeAnyFrameStartsFromTheCache) {
  ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);
  button_->NewFace = 0x0000FF;
  ChangeStateAnimated(button_->Fade, button_->Data, false, 2, true);
  ASSERT_TRUE(button_->Fade);
  EXPECT_EQ(button_->Fade->StepCount, 20);
  EXPECT_EQ(button_->Fade->StartImage.Pixels().GetColor(3, 3), 0xFFFFFFu);
}

TEST_F(FadeTimers, DisablingTheOwnerStopsTheFadeAndRepaints) {
  ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);
  ASSERT_TRUE(button_->Fade);
  for (int i = 0; i < 3; ++i) button_->Fade->Tick();
  ValidateRect(button_->Handle(), nullptr);
  button_->Data.BackgroundChanged = false;
  button_->SetEnabled(false);
  button_->Fade->Tick();
  EXPECT_FALSE(button_->Fade->Enabled());
  EXPECT_EQ(button_->Fade->StepCount, 0);
  EXPECT_EQ(button_->Frames.size(), 3u);  // no frame after disabling
  EXPECT_TRUE(button_->Data.BackgroundChanged);
  EXPECT_TRUE(GetUpdateRect(button_->Handle(), nullptr, FALSE));  // a repaint is on its way
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers_);
}

TEST_F(FadeTimers, NoFadeWhenNotAllowedOrNotFading) {
  struct Case {
    const char* what;
    bool allowed, fading, stale, loading;
  } cases[] = {
      {"not allowed", false, true, false, false},
      {"section does not fade", true, false, false, false},
      {"cache stale", true, true, true, false},
      {"skin loading", true, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);  // one running
    ASSERT_TRUE(button_->Fade);
    button_->Data.BackgroundChanged = c.stale;
    Section().FadingEnabled = c.fading;
    SkinLoading = c.loading;
    ChangeStateAnimated(button_->Fade, button_->Data, false, 1, c.allowed);
    SkinLoading = false;
    Section().FadingEnabled = true;
    EXPECT_FALSE(button_->Fade);  // stopped and freed
    EXPECT_TRUE(button_->Data.BackgroundChanged);
    button_->Data.BackgroundChanged = false;
  }
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers_);
}

TEST_F(FadeTimers, TicksArriveThroughTheMessageLoop) {
  ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers_ + 1);
  for (int i = 0; i < 300 && button_->Fade; ++i) testing::Pump(10);
  EXPECT_FALSE(button_->Fade);
  EXPECT_EQ(button_->Frames.size(), 20u);
  EXPECT_EQ(button_->Stops, 1);
}

TEST_F(FadeTimers, DestroyingTheOwnerKillsItsTimer) {
  ChangeStateAnimated(button_->Fade, button_->Data, false, 1, true);
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers_ + 1);
  delete button_;
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers_);
  testing::Pump(50);  // a tick that was already queued finds nothing
}

TEST_F(FadeTimers, GraphicButtonAnimationPaintsEachFrame) {
  auto* speed = new FadingSpeedButton(form_);
  speed->SetBounds(60, 10, 40, 20);
  speed->Data.InitCacheBitmap();
  speed->Data.CacheBitmap()->Pixels().Fill(0x000000);
  StartAnimation(speed->Anim, speed->Data, false);
  ASSERT_TRUE(speed->Anim);
  EXPECT_TRUE(speed->Anim->Enabled());
  EXPECT_EQ(speed->Anim->Step, 2);  // the first step ran at once
  EXPECT_EQ(speed->Anim->FrameImage.Pixels().GetColor(3, 3), Grey(BlackToWhite(1, 20)));
  for (int step = 2; step <= 20; ++step) {
    speed->Anim->Tick();
    EXPECT_EQ(speed->Anim->FrameImage.Pixels().GetColor(3, 3), Grey(BlackToWhite(step, 20)));
  }
  EXPECT_EQ(speed->Stops, 0);
  speed->Anim->Tick();
  EXPECT_EQ(speed->Stops, 1);
  EXPECT_FALSE(speed->Anim);
}

TEST(FadeEvents, ControlSetOrGlobalDefault) {
  const TvtBtnEvents saved = DefaultButtonEvents();
  DefaultButtonEvents() = beMouseEnter | beMouseLeave | beMouseUp;  // no mouse down
  EXPECT_TRUE(EventAnimated(kEventMouseEnter, aeGlobalDef));
  EXPECT_FALSE(EventAnimated(kEventMouseDown, aeGlobalDef));
  EXPECT_TRUE(EventAnimated(kEventMouseDown, aeMouseDown));
  EXPECT_FALSE(EventAnimated(kEventMouseEnter, aeMouseDown));
  EXPECT_FALSE(EventAnimated(kEventMouseEnter, 0));
  EXPECT_FALSE(EventAnimated(7, aeGlobalDef | 0xFF));
  DefaultButtonEvents() = saved;
}

}  // namespace
}  // namespace folvane
