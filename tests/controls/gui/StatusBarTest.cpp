// The skinned status bar with the internal skin: its face on screen is its
// cache; long texts are cut with "..."; panels are divided without a
// panel mask; a size grip only where the form can be resized.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/StatusBarLayout.h"
#include "controls/gui/ControlSkins.h"
#include "controls/win/sStatusBar.h"
#include "paint/win/TextCanvas.h"
#include "runtime/win/ImageFile.h"
#include "skin/SkinModel.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class StatusBar : public folvane::test::NoHandleLeaks {
 protected:
  void SetUp() override {
    NoHandleLeaks::SetUp();
    manager = new OwnSkinManager(InternalSkin());
  }
  void TearDown() override {
    delete form;
    delete manager;
    Pump();
    NoHandleLeaks::TearDown();
  }
  TsStatusBar* MakeForm(TFormBorderStyle border) {
    form = new TForm(Application);
    form->BorderStyle = border;
    form->SetBounds(100, 100, 440, 160);
    form->SetClientSize(418, 119);
    auto* bar = new TsStatusBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 100, 418, 19);
    bar->SkinData.SetSkinSection(L"STATUSBAR");
    bar->SkinData.Loaded();
    return bar;
  }
  std::vector<TColor> Face(TsStatusBar* bar) {
    bar->RebuildCache();
    const PixelBuffer& p = bar->SkinData.CacheBitmap()->Pixels();
    std::vector<TColor> pixels;
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) pixels.push_back(p.GetColor(x, y));
    return pixels;
  }
  OwnSkinManager* manager = nullptr;
  TForm* form = nullptr;
};

TEST_F(StatusBar, ShowsItsCacheWithTheLongTextCut) {
  TsStatusBar* bar = MakeForm(TFormBorderStyle::bsSingle);
  form->Show();
  const std::wstring long_text(L"Last action: folder was changed successfully, and then a great "
                               L"deal more happened than one line of this bar can show at all");
  bar->SetSimpleText(long_text);
  RedrawWindow(form->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(50);
  EXPECT_FALSE(bar->SkinData.BackgroundChanged);
  TBitmap shot = CaptureWindow(bar->Handle());
  TBitmap* cache = bar->SkinData.CacheBitmap();
  ASSERT_EQ(shot.Width(), cache->Width());
  int wrong = 0;
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x)
      if (shot.Pixels().GetColor(x, y) != cache->Pixels().GetColor(x, y)) ++wrong;
  EXPECT_EQ(wrong, 0);

  // A new text shows without anyone asking for a repaint.
  bar->SetSimpleText(L"Last action: clear fields");
  Pump(50);
  EXPECT_FALSE(bar->SkinData.BackgroundChanged);
  bar->SetSimpleText(long_text);
  Pump(50);

  // With a border the ring around the client comes from the cache too.
  bar->SetBorderWidth(3);
  RECT client;
  GetClientRect(bar->Handle(), &client);
  EXPECT_EQ(client.right, 418 - 6);
  RedrawWindow(bar->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  Pump(30);
  TBitmap framed = CaptureWindow(bar->Handle());
  wrong = 0;
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x)
      if (framed.Pixels().GetColor(x, y) != cache->Pixels().GetColor(x, y)) ++wrong;
  EXPECT_EQ(wrong, 0);
  bar->SetBorderWidth(0);

  // The section's gradient, top lighter than bottom (15987699 to 15395562).
  EXPECT_NE(cache->Pixels().GetColor(200, 3), cache->Pixels().GetColor(200, 16));

  // Texts in the bar's font, fitted to a width: short ones as they are,
  // long ones cut with "..." and never wider than the room.
  WindowDC screen(nullptr);
  TextCanvas canvas(screen.Get());
  canvas.Font = bar->Font();
  const struct {
    const wchar_t* text;
    int width;
  } cases[] = {{L"Last action: clear fields", 400}, {long_text.c_str(), 411},
               {long_text.c_str(), 120}, {L"IO Error", 30}};
  for (const auto& c : cases) {
    const std::wstring fitted = bar->FittedText(c.text, c.width);
    const bool fits = TextWidth(canvas, c.text) <= c.width;
    if (fits) {
      EXPECT_EQ(fitted, c.text);
    } else {
      ASSERT_GE(fitted.size(), 3u) << c.width;
      EXPECT_EQ(fitted.substr(fitted.size() - 3), L"...") << c.width;
      EXPECT_LE(TextWidth(canvas, fitted), c.width);
      EXPECT_EQ(std::wstring(c.text).rfind(fitted.substr(0, fitted.size() - 3), 0), 0u);
    }
  }
}

TEST_F(StatusBar, ThreePanelsWithoutAPanelMaskHaveTwoDividers) {
  TsStatusBar* bar = MakeForm(TFormBorderStyle::bsSingle);
  form->HandleNeeded();
  ASSERT_LT((*manager)->Model().FindOwnMask("STATUSBAR", "STATUSPANELMASK"), 0);
  const std::vector<TColor> simple = Face(bar);
  bar->Panels = {{L"", 100}, {L"", 120}, {L"", 50}};
  bar->PanelsChanged();
  bar->SetSimplePanel(false);
  const std::vector<TColor> panels = Face(bar);

  // An owner-drawn panel is left to its handler, with the panel's area.
  RECT drawn{};
  bar->Panels[1].Style = TStatusPanelStyle::psOwnerDraw;
  bar->OnDrawPanel = [&drawn](TStatusBar*, HDC dc, int panel, const RECT& r) {
    EXPECT_EQ(panel, 1);
    drawn = r;
    BrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &r, red.Get());
  };
  const std::vector<TColor> owned = Face(bar);
  EXPECT_EQ(drawn.left, 102);
  EXPECT_EQ(drawn.right, 221);
  EXPECT_EQ(owned[static_cast<size_t>(10 * 418 + 150)], 0x0000FFu);
  bar->Panels[1].Style = TStatusPanelStyle::psText;

  // Columns that changed: exactly those of the two dividers.
  const SkinModel& model = (*manager)->Model();
  const int divider = model.FindMask(model.FindSection("DIVIDER"), "DIVIDER", "BORDERSMASK");
  const auto areas = StatusPanelAreas(false, {100, 120, 50}, 418, 19);
  std::vector<PixelRect> dividers;
  for (size_t i = 0; i + 1 < areas.size(); ++i)
    dividers.push_back(StatusDividerRect(areas[i], model.MaskStateSize(divider).x, 19));
  ASSERT_FALSE(dividers[0].IsEmpty());
  std::vector<bool> changed(418, false);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 418; ++x)
      if (simple[static_cast<size_t>(y * 418 + x)] != panels[static_cast<size_t>(y * 418 + x)])
        changed[static_cast<size_t>(x)] = true;
  for (int x = 0; x < 418; ++x) {
    bool inDivider = false;
    for (const PixelRect& d : dividers) inDivider = inDivider || (x >= d.Left && x < d.Right);
    if (!inDivider) {
      EXPECT_FALSE(changed[static_cast<size_t>(x)]) << x;
    }
  }
  for (const PixelRect& d : dividers) {
    bool any = false;
    for (int x = d.Left; x < d.Right; ++x) any = any || changed[static_cast<size_t>(x)];
    EXPECT_TRUE(any) << d.Left;
  }
}

TEST_F(StatusBar, AGripOnlyWhereTheFormCanBeResized) {
  for (TFormBorderStyle border : {TFormBorderStyle::bsSingle, TFormBorderStyle::bsSizeable}) {
    TsStatusBar* bar = MakeForm(border);
    form->HandleNeeded();
    const bool sizeable = border == TFormBorderStyle::bsSizeable;
    EXPECT_EQ(bar->SizeGripShown(), sizeable);
    EXPECT_EQ((GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0, sizeable);
    const std::vector<TColor> with = Face(bar);
    bar->SizeGrip = false;
    const std::vector<TColor> without = Face(bar);
    // The grip's corner differs from the bare bar only on the resizable form.
    int differ = 0;
    for (int y = 7; y < 19; ++y)
      for (int x = 406; x < 418; ++x)
        if (with[static_cast<size_t>(y * 418 + x)] != without[static_cast<size_t>(y * 418 + x)])
          ++differ;
    if (sizeable) {
      EXPECT_GT(differ, 5);
    } else {
      EXPECT_EQ(differ, 0);
    }
    delete form;
    form = nullptr;
  }
}

}  // namespace
