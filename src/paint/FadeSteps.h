#pragma once
// The arithmetic of fades, window-free: the blend factor of a timer step
// and the weights of the frames of a window fade.

#include <vector>

namespace folvane {

// A timer fade's step blends the old image with factor
// A = 255 - step * 256 div stepCount, kept to 0..255: step stepCount gives
// 0, the new image alone. A stepCount of 0 or less gives 0.
int FadeFactor(int step, int stepCount);

// A window fade never blocks the interface longer than this (ms).
constexpr int kMaxWindowFadeTime = 400;
// Milliseconds the thread sleeps between two frames of a window fade.
constexpr int kWindowFadeFrameDelay = 8;

// The weights of the old screen image in the frames of a window fade of
// `time` ms (capped at kMaxWindowFadeTime): none for time <= 7, else
// n = time div 8 frames after the first, the weight starting at 255 and
// falling by 255 div n per frame (never by less than 1), never below 0.
std::vector<int> WindowFadeWeights(int time);

}  // namespace folvane
