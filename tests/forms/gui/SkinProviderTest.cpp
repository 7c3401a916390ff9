// The skinned main window as the screen shows it: every frame and caption
// pixel from the engine's window image, the region cut from the skin's
// corners, hit-testing, the caption buttons' mouse sequence, activation and
// caption changes, and the window menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/FrmMain.h"
#include "forms/win/sSkinProvider.h"
#include "forms/win/sSystemMenu.h"
#include "runtime/win/HandleCount.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

TBitmap ScreenOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top, PixelFormat::Bgr24);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  return shot;
}

// Frame and caption pixels inside the window region where the screen and
// the provider's image differ.
int FramePixelsDiffering(TsSkinProvider& p, const RECT* onlyRows = nullptr) {
  const HWND wnd = p.Form()->Handle();
  const TBitmap shot = ScreenOf(wnd);
  const TBitmap* image = p.SkinData.CacheBitmap();
  if (!image || image->Width() != shot.Width() || image->Height() != shot.Height()) return -1;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool hasRegion = GetWindowRgn(wnd, region) != ERROR;
  const int cx = p.ClientShiftX(), cy = p.ClientShiftY();
  RECT client;
  GetClientRect(wnd, &client);
  int differing = 0;
  for (int y = 0; y < shot.Height(); ++y) {
    if (onlyRows && (y < onlyRows->top || y >= onlyRows->bottom)) continue;
    for (int x = 0; x < shot.Width(); ++x) {
      if (x >= cx && x < cx + client.right && y >= cy && y < cy + client.bottom) continue;
      if (hasRegion && !PtInRegion(region, x, y)) continue;
      if (shot.Pixels().GetColor(x, y) != image->Pixels().GetColor(x, y)) ++differing;
    }
  }
  DeleteObject(region);
  return differing;
}

LRESULT HitAt(HWND wnd, int x, int y) {
  RECT r;
  GetWindowRect(wnd, &r);
  return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
}

LPARAM ScreenPoint(HWND wnd, int x, int y) {
  RECT r;
  GetWindowRect(wnd, &r);
  return MAKELPARAM(r.left + x, r.top + y);
}

bool AreaDiffers(const TBitmap& a, const TBitmap& b, const CaptionButton& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (a.Pixels().GetColor(x, y) != b.Pixels().GetColor(x, y)) return true;
  return false;
}

POINT Centre(const CaptionButton& b) { return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2}; }

class SkinnedMainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm1(Application);
    form->Show();
    Pump(80);
  }
  void TearDown() override {
    delete form;
    Pump();
  }
  TsSkinProvider& P() { return *form->sSkinProvider1; }
  HWND Wnd() { return form->Handle(); }

  TForm1* form = nullptr;
};

TEST_F(SkinnedMainForm, EveryFrameAndCaptionPixelIsTheEngines) {
  TsSkinProvider& p = P();
  ASSERT_TRUE(p.HasWindowMenu());
  EXPECT_FALSE(GetWindowLongW(Wnd(), GWL_STYLE) & WS_SYSMENU);
  RECT client;
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 418);
  EXPECT_EQ(client.bottom, 188);
  EXPECT_EQ(FramePixelsDiffering(p), 0);
  // The caption band is the skin's, not one colour the system might paint.
  const TBitmap* image = p.SkinData.CacheBitmap();
  const int y = p.FrameThicknessY() + p.CaptionBarHeight() / 2;
  EXPECT_NE(image->Pixels().GetColor(60, y), image->Pixels().GetColor(200, 1));
}

TEST_F(SkinnedMainForm, RegionIsTheWindowLessTheSkinsCornerHoles) {
  TsSkinProvider& p = P();
  ASSERT_FALSE(p.RegionHoles().empty());
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), actual), ERROR);
  HRGN expected = CreateRectRgn(0, 0, p.OuterWidth(), p.OuterHeight());
  for (const PixelRect& h : p.RegionHoles()) {
    HRGN hole = CreateRectRgn(h.Left, h.Top, h.Right, h.Bottom);
    CombineRgn(expected, expected, hole, RGN_DIFF);
    DeleteObject(hole);
  }
  EXPECT_TRUE(EqualRgn(actual, expected));
  EXPECT_FALSE(PtInRegion(actual, 0, 0));
  EXPECT_TRUE(PtInRegion(actual, p.OuterWidth() / 2, 0));
  DeleteObject(actual);
  DeleteObject(expected);
}

TEST_F(SkinnedMainForm, HitTestAnswersForIconButtonsCaptionAndBorders) {
  TsSkinProvider& p = P();
  const int band = p.FrameThicknessY() + p.CaptionBarHeight() / 2;
  const PixelRect icon = p.CaptionIconBox();
  const POINT close = Centre(p.Buttons.Close), minimize = Centre(p.Buttons.Minimize);
  struct Case {
    int x, y;
    LRESULT code;
  } cases[] = {
      {icon.Left + 2, band, HTSYSMENU},
      {close.x, close.y, HTCLOSE},
      {minimize.x, minimize.y, HTMINBUTTON},
      {p.OuterWidth() / 2, band, HTCAPTION},
      {1, p.OuterHeight() / 2, HTBORDER},
      {p.OuterWidth() / 2, p.OuterHeight() - 1, HTBORDER},
      {p.OuterWidth() / 2, p.OuterHeight() / 2, HTCLIENT},
  };
  for (const Case& c : cases) EXPECT_EQ(HitAt(Wnd(), c.x, c.y), c.code) << c.x << "," << c.y;
  EXPECT_EQ(p.Buttons.HotCode, 0);  // the last answer was not a button
}

TEST_F(SkinnedMainForm, CaptionChangeAndActivationRepaintTheFrameAtOnce) {
  TsSkinProvider& p = P();
  const RECT captionRows{0, 0, 0, p.FrameThicknessY() + p.CaptionBarHeight()};
  const TBitmap before = ScreenOf(Wnd());
  int ncPaints = 0;
  auto inner = form->WindowProc;
  form->WindowProc = [&](Message& m) {
    if (m.msg == WM_NCPAINT) ++ncPaints;
    inner(m);
  };
  form->SetCaption(L"Another title for the window");
  form->WindowProc = inner;
  // Painted while the text is set, not by a later WM_NCPAINT (the screen
  // shows it once Wine has flushed the window's surface).
  Pump(30);
  EXPECT_EQ(ncPaints, 0);
  EXPECT_EQ(FramePixelsDiffering(p, &captionRows), 0);
  const TBitmap renamed = ScreenOf(Wnd());
  int changed = 0;
  for (int x = 0; x < before.Width(); ++x)
    if (before.Pixels().GetColor(x, captionRows.bottom / 2) !=
        renamed.Pixels().GetColor(x, captionRows.bottom / 2))
      ++changed;
  EXPECT_GT(changed, 0);

  SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
  Pump(30);
  EXPECT_FALSE(p.ActiveLook);
  EXPECT_EQ(FramePixelsDiffering(p), 0);
  const TBitmap inactive = ScreenOf(Wnd());
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  Pump(30);
  EXPECT_TRUE(p.ActiveLook);
  EXPECT_EQ(FramePixelsDiffering(p), 0);
  const TBitmap active = ScreenOf(Wnd());
  const int y = p.FrameThicknessY() + p.CaptionBarHeight() / 2;
  EXPECT_NE(inactive.Pixels().GetColor(100, y), active.Pixels().GetColor(100, y));
}

TEST_F(SkinnedMainForm, RegionIsSetOnceAndFramePaintsSettle) {
  TsSkinProvider& p = P();
  Pump(100);
  const int sets = p.RegionSets();
  EXPECT_GE(sets, 1);
  int ncPaints = 0;
  auto inner = form->WindowProc;
  form->WindowProc = [&](Message& m) {
    if (m.msg == WM_NCPAINT) ++ncPaints;
    inner(m);
  };
  for (int i = 0; i < 3; ++i) {
    SendMessageW(Wnd(), WM_NCACTIVATE, i % 2, 0);
    RedrawWindow(Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  Pump(100);
  const int afterChanges = ncPaints;
  Pump(200);
  EXPECT_EQ(ncPaints, afterChanges);  // nothing keeps repainting itself
  EXPECT_EQ(p.RegionSets(), sets);    // same size, skin and holes: same region
  form->WindowProc = inner;
}

TEST_F(SkinnedMainForm, CloseButtonPressDragOffAndBackThenReleaseDoesNothing) {
  TsSkinProvider& p = P();
  const POINT close = Centre(p.Buttons.Close);
  const int band = p.FrameThicknessY() + p.CaptionBarHeight() / 2;
  const TBitmap normal = ScreenOf(Wnd());
  ASSERT_EQ(HitAt(Wnd(), close.x, close.y), HTCLOSE);
  EXPECT_EQ(p.Buttons.Close.State, 1);
  Pump(30);
  const TBitmap hot = ScreenOf(Wnd());
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(Wnd(), close.x, close.y));
  EXPECT_EQ(p.Buttons.Close.State, 2);
  Pump(30);
  const TBitmap pressed = ScreenOf(Wnd());
  const CaptionButton& r = p.Buttons.Close;
  EXPECT_TRUE(AreaDiffers(normal, hot, r));
  EXPECT_TRUE(AreaDiffers(hot, pressed, r));
  EXPECT_EQ(FramePixelsDiffering(p), 0);

  HitAt(Wnd(), p.OuterWidth() / 2, band);  // dragged off
  EXPECT_EQ(p.Buttons.Close.State, 0);
  HitAt(Wnd(), close.x, close.y);  // and back
  EXPECT_EQ(p.Buttons.Close.State, 1);
  SendMessageW(Wnd(), WM_NCLBUTTONUP, HTCLOSE, ScreenPoint(Wnd(), close.x, close.y));
  Pump(30);
  EXPECT_TRUE(IsWindowVisible(Wnd()));
  EXPECT_EQ(FramePixelsDiffering(p), 0);

  // Leaving the window straight from the button clears its look.
  SendMessageW(Wnd(), WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(p.Buttons.Close.State, 0);
  EXPECT_EQ(p.Buttons.HotCode, 0);
}

TEST_F(SkinnedMainForm, MinimizeButtonMinimizesAndTheWindowMenuRestores) {
  TsSkinProvider& p = P();
  const POINT minimize = Centre(p.Buttons.Minimize);
  ASSERT_EQ(HitAt(Wnd(), minimize.x, minimize.y), HTMINBUTTON);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTMINBUTTON, ScreenPoint(Wnd(), minimize.x, minimize.y));
  SendMessageW(Wnd(), WM_NCLBUTTONUP, HTMINBUTTON, ScreenPoint(Wnd(), minimize.x, minimize.y));
  Pump(30);
  EXPECT_TRUE(IsIconic(Wnd()));
  static std::vector<std::wstring> seen;
  seen.clear();
  TsSystemMenu::TestObserver() = [](const std::vector<TsSystemMenuItem>& items, int, int) {
    for (const TsSystemMenuItem& item : items)
      if (item.Visible) seen.push_back(item.Name + (item.Enabled ? L"+" : L"-"));
    return std::wstring(L"ItemRestore");
  };
  p.SysMenuPopup()->Refresh();
  p.ShowWindowMenuBelowIcon();
  TsSystemMenu::TestObserver() = nullptr;
  Pump(30);
  EXPECT_FALSE(IsIconic(Wnd()));
  const std::vector<std::wstring> whileIconic{L"ItemRestore+", L"ItemMove+",     L"ItemSize-",
                                              L"ItemMinimize-", L"ItemMaximize-", L"N1+",
                                              L"ItemClose+"};
  EXPECT_EQ(seen, whileIconic);
  EXPECT_EQ(FramePixelsDiffering(p), 0);
}

TEST_F(SkinnedMainForm, AltSpaceAndTheIconOpenTheWindowMenuBelowTheIcon) {
  TsSkinProvider& p = P();
  static int shown = 0;
  static POINT at{};
  static std::vector<std::wstring> items;
  shown = 0;
  items.clear();
  TsSystemMenu::TestObserver() = [](const std::vector<TsSystemMenuItem>& list, int x, int y) {
    ++shown;
    at = {x, y};
    for (const TsSystemMenuItem& item : list)
      if (item.Visible) items.push_back(item.Name + (item.Enabled ? L"+" : L"-"));
    return std::wstring();
  };
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  const PixelRect icon = p.CaptionIconBox();
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTSYSMENU, ScreenPoint(Wnd(), icon.Left + 1, icon.Top + 1));
  SendMessageW(Wnd(), WM_NCRBUTTONUP, HTCAPTION, ScreenPoint(Wnd(), 100, 10));
  TsSystemMenu::TestObserver() = nullptr;
  EXPECT_EQ(shown, 3);
  EXPECT_EQ(at.x, static_cast<LONG>(ScreenPoint(Wnd(), 100, 10) & 0xFFFF));
  // The main form: no maximize; restore and size shown but not available.
  const std::vector<std::wstring> normal{L"ItemRestore-", L"ItemMove+", L"ItemSize-",
                                         L"ItemMinimize+", L"N1+", L"ItemClose+"};
  ASSERT_GE(items.size(), normal.size());
  EXPECT_EQ(std::vector<std::wstring>(items.begin(), items.begin() + normal.size()), normal);
}

TEST(SkinnedForms, AToolWindowWithGripHasSmallCaptionNoIconAndASizingCorner) {
  auto* form = new TForm(Application);
  form->BorderStyle = TFormBorderStyle::bsSizeToolWin;
  form->SetBounds(60, 60, 300, 200);
  form->SetCaption(L"Tool window");
  TForm1* skinOwner = new TForm1(Application);  // brings the internal skin
  auto* provider = new TsSkinProvider(form);
  provider->SkinData.SetSkinSection(L"DIALOG");
  provider->GripMode = TsGripMode::gmRightBottom;
  provider->SetCaptionAlignment(TAlignment::taCenter);
  provider->SetShowAppIcon(false);
  form->Show();
  Pump(50);
  EXPECT_EQ(provider->CaptionBarHeight(), GetSystemMetrics(SM_CYSMCAPTION));
  EXPECT_FALSE(provider->IconShown());
  EXPECT_EQ(HitAt(form->Handle(), provider->OuterWidth() - provider->FrameThicknessX() - 3,
                  provider->OuterHeight() - provider->FrameThicknessY() - 3),
            HTBOTTOMRIGHT);
  EXPECT_EQ(FramePixelsDiffering(*provider), 0);
  delete form;
  delete skinOwner;
  Pump();
}

TEST(SkinnedForms, ResizingCutsTheRegionAndRendersTheImageAtTheNewSize) {
  TForm1* skinOwner = new TForm1(Application);
  auto* form = new TForm(Application);
  form->SetBounds(70, 70, 260, 170);
  auto* provider = new TsSkinProvider(form);
  form->Show();
  Pump(50);
  const int sets = provider->RegionSets();
  SetWindowPos(form->Handle(), nullptr, 0, 0, 340, 230, SWP_NOMOVE | SWP_NOZORDER);
  Pump(50);
  EXPECT_EQ(provider->RegionSets(), sets + 1);
  EXPECT_EQ(provider->SkinData.CacheBitmap()->Width(), 340);
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form->Handle(), actual), ERROR);
  RECT box;
  GetRgnBox(actual, &box);
  EXPECT_EQ(box.right, 340);
  EXPECT_EQ(box.bottom, 230);
  EXPECT_FALSE(PtInRegion(actual, 339, 0));  // the new top-right corner is cut
  DeleteObject(actual);
  EXPECT_EQ(FramePixelsDiffering(*provider), 0);
  delete form;
  delete skinOwner;
  Pump();
}

TEST(SkinnedForms, AComponentAnsweringTheOptOutKeepsTheWindowRectangular) {
  TForm1* skinOwner = new TForm1(Application);
  auto* form = new TForm(Application);
  form->SetBounds(80, 80, 260, 160);
  auto* provider = new TsSkinProvider(form);
  form->HandleNeeded();
  EXPECT_EQ(SendMessageW(form->Handle(), 0xBC4D, 16802, 0), 0);  // the provider's own answer
  auto inner = form->WindowProc;
  form->WindowProc = [inner](Message& m) {
    if (m.msg == 0xBC4D && m.wParam == 16802) {
      m.result = 16802;
      return;
    }
    inner(m);
  };
  form->Show();
  Pump(50);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(form->Handle(), region), ERROR);
  DeleteObject(region);
  EXPECT_EQ(provider->RegionSets(), 0);
  form->WindowProc = inner;
  delete form;
  delete skinOwner;
  Pump();
}

TEST(SkinnedForms, SnapsToTheWorkAreaEdgeWithinNinePixelsNotTen) {
  TForm1* skinOwner = new TForm1(Application);
  auto* form = new TForm(Application);
  form->SetBounds(100, 100, 240, 160);
  auto* provider = new TsSkinProvider(form);
  provider->ScreenSnap = true;
  form->Show();
  Pump(30);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int w = provider->OuterWidth();
  auto rightAfterMoveTo = [&](int gap) {
    SetWindowPos(form->Handle(), nullptr, work.right - w - gap, 120, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(form->Handle(), &r);
    return work.right - r.right;
  };
  EXPECT_EQ(rightAfterMoveTo(9), 0);
  EXPECT_EQ(rightAfterMoveTo(10), 10);
  delete form;
  delete skinOwner;
  Pump();
}

TEST(SkinnedForms, UserTitleButtonsFireOnReleaseAndADisabledOneIsCaption) {
  TForm1* skinOwner = new TForm1(Application);
  auto* form = new TForm(Application);
  form->SetBounds(90, 90, 320, 180);
  auto* provider = new TsSkinProvider(form);
  std::vector<std::wstring> events;
  for (const wchar_t* name : {L"Pin", L"Off"}) {
    auto button = std::make_unique<TsTitleButton>();
    button->Name = name;
    button->Glyph = TBitmap(12, 12, PixelFormat::Bgr24);
    button->OnMouseDown = [&](TsTitleButton* b, int, int) { events.push_back(L"down " + b->Name); };
    button->OnMouseUp = [&](TsTitleButton* b, int, int) { events.push_back(L"up " + b->Name); };
    provider->TitleButtons.push_back(std::move(button));
  }
  provider->TitleButtons[1]->Enabled = false;
  form->Show();
  Pump(50);
  const HWND wnd = form->Handle();
  const CaptionButton& pin = provider->Buttons.User[0].Record;
  const CaptionButton& off = provider->Buttons.User[1].Record;
  ASSERT_LT(pin.Right, provider->Buttons.Minimize.Right);
  EXPECT_EQ(pin.Right - pin.Left, provider->Buttons.UserWidth(provider->ButtonContext(),
                                                                provider->Buttons.User[0]));
  const POINT p = Centre(pin), q = Centre(off);
  EXPECT_EQ(HitAt(wnd, q.x, q.y), HTCAPTION);
  ASSERT_EQ(HitAt(wnd, p.x, p.y), kCodeUserFirst);
  SendMessageW(wnd, WM_NCLBUTTONDOWN, kCodeUserFirst, ScreenPoint(wnd, p.x, p.y));
  SendMessageW(wnd, WM_NCLBUTTONUP, kCodeUserFirst, ScreenPoint(wnd, p.x, p.y));
  EXPECT_EQ(events, (std::vector<std::wstring>{L"down Pin", L"up Pin"}));
  Pump(30);
  EXPECT_EQ(FramePixelsDiffering(*provider), 0);
  delete form;
  delete skinOwner;
  Pump();
}

TEST(SkinnedForms, CreatingAndFreeingSkinnedFormsLeavesNoHandleBehind) {
  TForm1* skinOwner = new TForm1(Application);
  Pump();
  const HandleCount::Snapshot before = HandleCount::Take();
  for (int i = 0; i < 3; ++i) {
    auto* form = new TForm(Application);
    form->SetBounds(50, 50, 200, 120);
    new TsSkinProvider(form);
    form->Show();
    Pump(20);
    SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    form->SetCaption(L"Form " + std::to_wstring(i));
    delete form;
    Pump();
  }
  EXPECT_EQ(HandleCount::Take(), before);
  delete skinOwner;
  Pump();
}

}  // namespace
