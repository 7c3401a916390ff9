// Message boxes under the dialog hook of the default skin manager: every
// frame and caption pixel from the adapter's window image, the hook gone
// with the skin, and nothing left behind over many boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/FrmMain.h"
#include "forms/win/vtDialogHook.h"
#include "forms/win/vtDialogWnd.h"
#include "runtime/win/HandleCount.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

std::function<void(HWND)> g_onBox;

void CALLBACK InspectAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = GetActiveWindow();
  if (g_onBox) g_onBox(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Shows a message box; `inspect` sees it once it has painted itself.
void ShowBox(HWND owner, UINT flags, int delayMs, std::function<void(HWND)> inspect) {
  g_onBox = std::move(inspect);
  SetTimer(nullptr, 0, delayMs, InspectAndClose);
  MessageBoxW(owner, L"Remove the custom icon of this folder?", L"Folvane", flags);
  g_onBox = nullptr;
}

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

// Frame and caption pixels where the screen and the adapter's image differ.
int FramePixelsDiffering(const TvtDialogWnd& adapter) {
  const HWND wnd = adapter.Handle();
  const TBitmap shot = ScreenOf(wnd);
  const TBitmap& image = adapter.Image();
  if (image.Width() != shot.Width() || image.Height() != shot.Height()) return -1;
  const POINT offset = adapter.ClientOffset();
  RECT client;
  GetClientRect(wnd, &client);
  int differing = 0;
  auto hole = [&](int x, int y) {
    for (const PixelRect& h : adapter.RegionHoles())
      if (x >= h.Left && x < h.Right && y >= h.Top && y < h.Bottom) return true;
    return false;
  };
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) {
      if (hole(x, y)) continue;
      if (x >= offset.x && x < offset.x + client.right && y >= offset.y &&
          y < offset.y + client.bottom)
        continue;
      if (shot.Pixels().GetColor(x, y) != image.Pixels().GetColor(x, y)) ++differing;
    }
  return differing;
}

class SkinnedDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallDialogSkinning();
    form = new TForm1(Application);
    form->Show();
    Pump(50);
  }
  void TearDown() override {
    delete form;
    Pump();
    ManagerSeams().InstallDialogHook = nullptr;
    ManagerSeams().RemoveDialogHook = nullptr;
  }
  TForm1* form = nullptr;
};

TEST_F(SkinnedDialogs, MessageBoxFrameAndCaptionAreTheEnginesImage) {
  ASSERT_NE(TvtDialogHook::Current(), nullptr);
  for (UINT flags : {MB_OK | MB_ICONINFORMATION, MB_YESNOCANCEL | MB_ICONQUESTION,
                     MB_RETRYCANCEL | MB_ICONWARNING, MB_OK | MB_ICONERROR}) {
    bool seen = false;
    ShowBox(form->Handle(), flags, 250, [&](HWND box) {
      TvtProvider* p = TvtDialogHook::Current()->ProviderFor(box);
      ASSERT_NE(p, nullptr);
      ASSERT_NE(p->DialogWnd, nullptr);
      seen = true;
      EXPECT_EQ(FramePixelsDiffering(*p->DialogWnd), 0) << flags;
      EXPECT_EQ(GetActiveWindow(), box);
      EXPECT_TRUE(p->DialogWnd->ActiveLook);
      EXPECT_FALSE(GetWindowLongPtrW(box, GWL_STYLE) & WS_SYSMENU);
      // Its buttons and texts are the adapters' (the table names them).
      HWND button = FindWindowExW(box, nullptr, L"Button", nullptr);
      ASSERT_NE(button, nullptr);
      EXPECT_NE(AdapterOf(button), nullptr);
      EXPECT_FALSE(p->Children.empty());
      // The skin's rounded corners are cut out of the window.
      EXPECT_FALSE(p->DialogWnd->RegionHoles().empty());
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      EXPECT_NE(GetWindowRgn(box, region), ERROR);
      EXPECT_FALSE(PtInRegion(region, 0, 0));
      DeleteObject(region);
      const RECT close = p->DialogWnd->CloseButtonRect();
      RECT wr;
      GetWindowRect(box, &wr);
      EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0,
                             MAKELPARAM(wr.left + (close.left + close.right) / 2,
                                        wr.top + (close.top + close.bottom) / 2)),
                HTCLOSE);
    });
    EXPECT_TRUE(seen) << flags;
  }
  EXPECT_EQ(TvtDialogHook::Current()->ProviderCount(), 0u);
}

TEST_F(SkinnedDialogs, TheHookGoesWithTheSkinAndComesBackWithIt) {
  TsSkinManager* manager = TsSkinManager::PrimaryManager();
  ASSERT_NE(manager, nullptr);
  const long hooks = HandleCount::Live(HandleKind::Hook);
  manager->SetActive(false);
  EXPECT_EQ(TvtDialogHook::Current(), nullptr);
  EXPECT_EQ(HandleCount::Live(HandleKind::Hook), hooks - 1);
  bool plain = false;
  ShowBox(form->Handle(), MB_OK, 50, [&](HWND box) {
    plain = box && (GetWindowLongPtrW(box, GWL_STYLE) & WS_SYSMENU) != 0;
  });
  EXPECT_TRUE(plain);
  manager->SetActive(true);
  ASSERT_NE(TvtDialogHook::Current(), nullptr);
  EXPECT_EQ(HandleCount::Live(HandleKind::Hook), hooks);
}

std::vector<TvtSystemMenuItem> g_menuItems;

void CALLBACK HandActiveBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_onBox) g_onBox(GetActiveWindow());
}

// The caption's close button and its window menu close the box, as a click
// on each would.
TEST_F(SkinnedDialogs, CloseButtonAndWindowMenuCloseTheBox) {
  struct Way {
    const char* name;
    std::function<void(HWND, const RECT& close)> act;
  } ways[] = {
      {"close button",
       [](HWND box, const RECT& c) {
         RECT wr;
         GetWindowRect(box, &wr);
         const LPARAM at = MAKELPARAM(wr.left + (c.left + c.right) / 2, wr.top + (c.top + c.bottom) / 2);
         SendMessageW(box, WM_NCLBUTTONDOWN, HTCLOSE, at);
         SendMessageW(box, WM_NCLBUTTONUP, HTCLOSE, at);
       }},
      {"window menu",
       [](HWND box, const RECT&) {
         RECT wr;
         GetWindowRect(box, &wr);
         TvtSystemMenu::TestObserver() = [](const std::vector<TvtSystemMenuItem>& items) {
           g_menuItems = items;
           return std::wstring(L"miClose");
         };
         SendMessageW(box, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(wr.left + 40, wr.top + 10));
         TvtSystemMenu::TestObserver() = nullptr;
       }},
  };
  for (const Way& way : ways) {
    HWND shown = nullptr;
    g_onBox = [&](HWND box) {
      TvtProvider* p = TvtDialogHook::Current()->ProviderFor(box);
      ASSERT_NE(p, nullptr);
      shown = box;
      way.act(box, p->DialogWnd->CloseButtonRect());
      g_onBox = nullptr;
    };
    UINT_PTR timer = SetTimer(nullptr, 0, 50, HandActiveBox);
    const int answer = MessageBoxW(form->Handle(), L"Close me", L"Folvane", MB_YESNO | MB_ICONQUESTION);
    KillTimer(nullptr, timer);
    g_onBox = nullptr;
    EXPECT_NE(shown, nullptr) << way.name;
    EXPECT_FALSE(IsWindow(shown)) << way.name;
    EXPECT_NE(answer, 0) << way.name;
  }
  // A fixed dialog frame: no restore, size, minimize or maximize.
  ASSERT_EQ(g_menuItems.size(), 7u);
  for (const TvtSystemMenuItem& item : g_menuItems)
    EXPECT_EQ(item.Visible, item.Name == L"miMove" || item.Name == L"N1" || item.Name == L"miClose")
        << std::string(item.Name.begin(), item.Name.end());
}

TEST_F(SkinnedDialogs, ABoxOverAVisibleSkinnedBoxStaysPlainAndBothCloseCleanly) {
  bool outerSkinned = false, innerSkinned = true, innerSeen = false;
  ShowBox(form->Handle(), MB_OK, 50, [&](HWND outer) {
    outerSkinned = TvtDialogHook::Current()->ProviderFor(outer) != nullptr;
    ShowBox(outer, MB_YESNO, 50, [&](HWND inner) {
      innerSeen = inner && inner != outer;
      innerSkinned = TvtDialogHook::Current()->ProviderFor(inner) != nullptr;
    });
  });
  Pump();
  EXPECT_TRUE(outerSkinned);
  EXPECT_TRUE(innerSeen);
  EXPECT_FALSE(innerSkinned);
  EXPECT_EQ(TvtDialogHook::Current()->ProviderCount(), 0u);
}

TEST_F(SkinnedDialogs, HundredMessageBoxesLeaveNothingBehind) {
  ShowBox(form->Handle(), MB_OK, 1, nullptr);  // caches warmed once
  const HandleCount::Snapshot before = HandleCount::Take();
  int skinned = 0;
  for (int i = 0; i < 100; ++i)
    ShowBox(form->Handle(), i % 2 ? MB_OK | MB_ICONERROR : MB_YESNO, 1, [&](HWND box) {
      if (TvtDialogHook::Current()->ProviderFor(box)) ++skinned;
    });
  Pump();
  EXPECT_EQ(skinned, 100);
  EXPECT_EQ(TvtDialogHook::Current()->ProviderCount(), 0u);
  EXPECT_EQ(HandleCount::Take(), before);
}

}  // namespace
