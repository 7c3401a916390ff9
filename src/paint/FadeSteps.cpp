#include "paint/FadeSteps.h"

#include <algorithm>

namespace folvane {

int FadeFactor(int step, int stepCount) {
  if (stepCount <= 0) return 0;
  const long long a = 255 - static_cast<long long>(step) * 256 / stepCount;
  return static_cast<int>(std::clamp<long long>(a, 0, 255));
}

std::vector<int> WindowFadeWeights(int time) {
  time = std::min(time, kMaxWindowFadeTime);
  if (time <= 7) return {};
  const int n = time / 8;
  // Above 255 frames 255 div n would be 0 and the fade would never move;
  // the cap keeps n at 50, the floor of 1 keeps a fade moving regardless.
  const int step = std::max(1, 255 / n);
  std::vector<int> weights;
  weights.reserve(static_cast<size_t>(n) + 1);
  for (int i = 0, w = 255; i <= n; ++i, w -= step) weights.push_back(std::max(0, w));
  return weights;
}

}  // namespace folvane
