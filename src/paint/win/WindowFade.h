#pragma once
// The window fade: when a form appears or the skin changes, the screen
// image under the form fades into the form's new image on an output window
// laid over it. The fade is synchronous: it blocks the thread for about
// time + 8 ms per frame (time is capped at kMaxWindowFadeTime).

#include <functional>

#include "paint/FadeSteps.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

class TForm;

void AnimateWindowChange(TForm* form, int time);

// Lets the skin manager fade forms on a skin change (fills its seam).
void InstallWindowFade();

// Observers for tests: each frame as it is shown on the output window
// (weight of the old screen image, -1 for the closing copy of the new
// image), and the pause between frames (default: Sleep).
struct WindowFadeHooks {
  std::function<void(const PixelBuffer& frame, int weight)> FrameShown;
  std::function<void(int ms)> Pause;
};
WindowFadeHooks& WindowFadeTestHooks();

}  // namespace folvane
