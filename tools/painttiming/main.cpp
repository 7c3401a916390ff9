// Times PaintSection of the internal skin's "BUTTON" and "FORM" sections at
// the sizes the main window shows them, against a BitBlt of the same area,
// and prints the ratios (best of many runs, so a busy machine only slows
// the slower runs); then the repaint of the whole main window.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "WindowRepaint.h"
#include "paint/SectionPainting.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Resources.h"
#include "skin/SkinLoader.h"

using namespace folvane;

namespace {

using Clock = std::chrono::steady_clock;

// The best time of one call in microseconds.
double BestMicroseconds(const std::function<void()>& work, int rounds = 40, int calls = 50) {
  double best = 1e30;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) work();
    const std::chrono::duration<double, std::micro> took = Clock::now() - start;
    best = std::min(best, took.count() / calls);
  }
  return best;
}

bool LoadInternalSkin(SkinModel& model) {
  TsStoredSkin skin;
  skin.Name = u"Ambrel (internal)";
  skin.Data = ReadResourceData(L"AMBREL_SKIN");
  return !skin.Data.empty() && LoadStoredSkin(model, skin, {}).Loaded();
}

void TimeSection(const SkinModel& model, const char* name, int width, int height, HDC screen) {
  const int index = model.FindSection(name);
  if (index < 0) {
    std::printf("%-8s missing from the skin\n", name);
    return;
  }
  TBitmap target(width, height);
  TBitmap background(width, height);
  const BackgroundInfo behind = BitmapBackground(background.Pixels());
  const PixelRect all{0, 0, width, height};
  const double paint = BestMicroseconds([&] {
    PaintSection(index, name, behind, -1, -1, model, target.Pixels(), {0, 0}, all, 1, true);
  });
  HDC dc = target.DC();
  const double blit =
      BestMicroseconds([&] { BitBlt(screen, 0, 0, width, height, dc, 0, 0, SRCCOPY); });
  std::printf("%-8s %4d x %-4d PaintSection %8.1f us   BitBlt %6.1f us   ratio %5.1f\n", name,
              width, height, paint, blit, blit > 0 ? paint / blit : 0.0);
}

}  // namespace

int wmain() {
  SkinModel model;
  if (!LoadInternalSkin(model)) {
    std::fprintf(stderr, "painttiming: the internal skin did not load\n");
    return 1;
  }
  TBitmap screenImage(640, 480);
  HDC screen = screenImage.DC();
  for (const char* name : {"BUTTON", "FORM"})
    for (auto [w, h] : {std::pair{75, 41}, std::pair{418, 188}})
      TimeSection(model, name, w, h, screen);
  return folvane::painttiming::TimeMainWindowRepaint() ? 0 : 1;
}
