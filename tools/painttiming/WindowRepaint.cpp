#include "WindowRepaint.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/win/FrmMain.h"
#include "runtime/win/Application.h"

namespace folvane::painttiming {

namespace {

using Clock = std::chrono::steady_clock;

void Drain() {
  while (Application->ProcessMessage()) {
  }
}

// One repaint of the window with everything in it, frame included, done
// before the call returns.
void Repaint(TForm& form) {
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
}

// The repaint right after `prepare`: nothing it invalidated is painted
// before the clock runs.
double Microseconds(const std::function<void()>& prepare, TForm& form) {
  Drain();
  prepare();
  const auto start = Clock::now();
  Repaint(form);
  const std::chrono::duration<double, std::micro> took = Clock::now() - start;
  return took.count();
}

double Timed(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  GdiFlush();
  const std::chrono::duration<double, std::micro> took = Clock::now() - start;
  return took.count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

bool TimeMainWindowRepaint() {
  TApplication app;
  app.Initialize();
  auto* form = new TForm1(&app);
  form->Show();
  form->sStatusBar1->SetSimpleText(L"Last action: folder was changed successfully");
  Drain();
  TsSkinManager* manager = form->sSkinManager1;
  if (!manager->SkinActive()) {
    std::fprintf(stderr, "painttiming: the main window has no active skin\n");
    delete form;
    return false;
  }
  std::vector<double> valid, stale, plain;
  const auto nothing = [] {};
  const auto refresh = [manager] { manager->RefreshAllWindows(); };
  constexpr int kRounds = 30, kRepeats = 4;
  for (int round = 0; round < kRounds; ++round) {
    // Interleaved, so that every kind of repaint samples the same load.
    manager->SetActive(true);
    Drain();
    Repaint(*form);  // the caches are valid from here on
    for (int i = 0; i < kRepeats; ++i) {
      valid.push_back(Microseconds(nothing, *form));
      stale.push_back(Microseconds(refresh, *form));
      Repaint(*form);
    }
    manager->SetActive(false);
    Drain();
    Repaint(*form);
    for (int i = 0; i < kRepeats; ++i) plain.push_back(Microseconds(nothing, *form));
  }
  manager->SetActive(true);
  Drain();
  Repaint(*form);
  // What a stale repaint adds: the skinned controls rebuilding their faces.
  std::vector<double> editFace, barFace;
  for (int i = 0; i < kRounds * kRepeats; ++i) {
    editFace.push_back(Timed([form] { form->HintEdt->RebuildCache(); }));
    barFace.push_back(Timed([form] { form->sStatusBar1->RebuildCache(); }));
  }
  const double p = Median(plain), v = Median(valid), s = Median(stale);
  std::printf("main window repaint (median of %d): inactive %8.1f us\n", kRounds * kRepeats, p);
  std::printf("  caches valid    %8.1f us   ratio %5.2f\n", v, p > 0 ? v / p : 0.0);
  std::printf("  after a refresh %8.1f us   ratio %5.2f\n", s, p > 0 ? s / p : 0.0);
  std::printf("  face rebuilds: info-tip field %6.1f us, status bar %6.1f us\n",
              Median(editFace), Median(barFace));
  delete form;
  return true;
}

}  // namespace folvane::painttiming
