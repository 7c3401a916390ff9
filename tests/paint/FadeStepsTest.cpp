// Fade arithmetic: the timer's blend factor and the window fade's frames.
#include "paint/FadeSteps.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

TEST(FadeSteps, TwentyStepFadeEndsOnTheNewImage) {
  EXPECT_EQ(FadeFactor(1, 20), 255 - 12);  // 256 div 20 = 12
  EXPECT_EQ(FadeFactor(10, 20), 127);
  EXPECT_EQ(FadeFactor(20, 20), 0);
  EXPECT_EQ(FadeFactor(0, 20), 255);
  EXPECT_EQ(FadeFactor(25, 20), 0);     // past the end: kept to 0..255
  EXPECT_EQ(FadeFactor(-3, 20), 255);
  EXPECT_EQ(FadeFactor(1, 0), 0);       // no steps: no division
  EXPECT_EQ(FadeFactor(0x7FFFFFFF, 1), 0);  // no overflow
}

TEST(FadeSteps, WindowFadeFrames) {
  const std::vector<int> hundred = WindowFadeWeights(100);
  ASSERT_EQ(hundred.size(), 13u);  // the first frame and 12 further
  for (size_t i = 0; i < hundred.size(); ++i) EXPECT_EQ(hundred[i], 255 - 21 * static_cast<int>(i));
  EXPECT_TRUE(WindowFadeWeights(0).empty());
  EXPECT_TRUE(WindowFadeWeights(7).empty());
  EXPECT_TRUE(WindowFadeWeights(-50).empty());
  EXPECT_EQ(WindowFadeWeights(8), (std::vector<int>{255, 0}));
}

TEST(FadeSteps, LongWindowFadesAreCappedAndStillFade) {
  // 2048 ms and more would give 256+ frames and a weight step of 0.
  for (int time : {399, 400, 2048, 5000, 65535}) {
    SCOPED_TRACE(time);
    const std::vector<int> w = WindowFadeWeights(time);
    ASSERT_GE(w.size(), 2u);
    EXPECT_LE(static_cast<int>(w.size() - 1) * 8, kMaxWindowFadeTime);
    EXPECT_EQ(w.front(), 255);
    EXPECT_LE(w.back(), 10);  // reaches (nearly) the new image
    for (size_t i = 1; i < w.size(); ++i) EXPECT_LT(w[i], w[i - 1]);
  }
}

}  // namespace
}  // namespace folvane
