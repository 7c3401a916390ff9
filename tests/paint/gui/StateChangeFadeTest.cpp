// A skinned button's hover change fades from its painted normal face to its
// painted hot face: the test controls paint the section for real, and
// every frame the timer offers is checked against the blend of the two.
#include <gtest/gtest.h>

#include <vector>

#include "paint/FadeSteps.h"
#include "paint/PaintColor.h"
#include "paint/win/sFade.h"
#include "runtime/win/HandleCount.h"
#include "support/GuiTest.h"
#include "paint/gui/SkinnedTestControls.h"

namespace folvane {
namespace {

using testing::DemonstrationForm;
using testing::TestSkinManager;

// A windowed test button that fades: it repaints its face on
// SKC_REBUILDIMAGE and records the frames it is offered.
class FadingTestButton : public testing::TestSkinned<TWinControl> {
 public:
  FadingTestButton(TForm* form, RECT bounds)
      : TestSkinned(form, form, L"FadingButton", 93, L"", bounds) {}
  FadeTimerSlot Fade;
  std::vector<TColor> Frames;

 protected:
  void WndProc(Message& m) override {
    if (m.msg == SM_VANTILECMD) {
      switch (SkinCommandCode(m.wParam)) {
        case SKC_REBUILDIMAGE:
          Rebuild();
          m.result = 0;
          return;
        case SKC_SHOWFADEFRAME:
          Frames.push_back(reinterpret_cast<TBitmap*>(m.lParam)->Pixels().GetColor(5, 5));
          m.result = 1;
          return;
        case SKC_STOPANIMATION:
          StopFade(Fade);
          m.result = 0;
          return;
        default:
          break;
      }
    }
    TestSkinned::WndProc(m);
  }
};

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int a) {
  return static_cast<std::uint8_t>((from * a + to * (255 - a) + 127) / 256);
}

TEST(StateChangeFade, HoverFadesFromTheNormalToTheHotFace) {
  const long timers = HandleCount::Live(HandleKind::Timer);
  TestSkinManager manager;
  auto& button = const_cast<TsGeneralData&>(
      *manager->Model().Section(manager->Model().FindSection("BUTTON")));
  button.FadingEnabled = true;
  button.FadingIterations = 20;
  DemonstrationForm demo;
  auto* fading = new FadingTestButton(demo.Form, {320, 60, 400, 85});
  demo.Form->Show();
  testing::Pump();
  fading->Rebuild();  // the normal face
  ASSERT_EQ(fading->SkinData.CacheBitmap()->Pixels().GetColor(5, 5), testing::kButtonColor);

  fading->SkinData.Hovered = true;
  ChangeStateAnimated(fading->Fade, fading->SkinData, false, 1, true);
  ASSERT_TRUE(fading->Fade);
  EXPECT_EQ(fading->SkinData.CacheBitmap()->Pixels().GetColor(5, 5), testing::kButtonHotColor);
  for (int i = 0; i <= 20 && fading->Fade; ++i) fading->Fade->Tick();
  EXPECT_FALSE(fading->Fade);  // stopped after its last step
  ASSERT_EQ(fading->Frames.size(), 20u);
  for (int step = 1; step <= 20; ++step) {
    const int a = FadeFactor(step, 20);
    const TColor from = testing::kButtonColor, to = testing::kButtonHotColor;
    EXPECT_EQ(fading->Frames[step - 1],
              RgbColor(Mix(RedOf(from), RedOf(to), a), Mix(GreenOf(from), GreenOf(to), a),
                       Mix(BlueOf(from), BlueOf(to), a)))
        << "step " << step;
  }
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers);
}

}  // namespace
}  // namespace folvane
