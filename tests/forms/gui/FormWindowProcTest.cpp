// The form's window procedure under a provider: skin commands, the
// background it lends its controls, printing, hiding, the show animation,
// Alt+F4 and a live skin switch from the window menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/win/sSkinProvider.h"
#include "forms/win/sSystemMenu.h"
#include "paint/gui/SkinnedTestControls.h"
#include "paint/win/WindowFade.h"
#include "runtime/win/Resources.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

constexpr TColor kTitleColor = 0x4080C0;
constexpr TColor kFormTop = 0x203040;

// The test skin with a form whose background is a gradient (so it is
// painted through its window image) and a flat caption band.
TsStoredSkin GradientFormSkin() {
  TsStoredSkin skin = TestSkin();
  skin.Name = u"Gradient";
  TsSkinGeneral form = TestSection("FORM", 0x808080);
  form.GradientPercent = 100;
  form.GradientData = std::to_string(kFormTop) + ";" + std::to_string(0xE0E0E0) + ";100;0;0";
  form.HotGradientPercent = 100;
  form.HotGradientData = form.GradientData;
  skin.GeneralData.push_back(form);
  skin.GeneralData.push_back(TestSection("FORMTITLE", kTitleColor));
  skin.Images.push_back(TestBorder("FORM", 0, 6, kThinBorder));
  return skin;
}

TsStoredSkin Ambrel() {
  TsStoredSkin skin;
  skin.Name = u"Ambrel";
  skin.Data = ReadResourceData(L"AMBREL_SKIN");
  return skin;
}

struct SkinnedTestForm {
  TsSkinManager* Manager;
  TForm* Form;
  TsSkinProvider* Provider;

  explicit SkinnedTestForm(const std::wstring& skinName,
                           TFormBorderStyle border = TFormBorderStyle::bsSizeable) {
    Manager = new TsSkinManager(nullptr);
    Manager->SetInternalSkins({Ambrel(), GradientFormSkin()});
    Manager->AnimEffects().SkinChanging.Active = false;
    Manager->SetSkinName(skinName);
    Form = new TForm(Application);
    Form->BorderStyle = border;
    Form->SetCaption(L"Test form");
    Form->SetBounds(120, 100, 300, 200);
    Provider = new TsSkinProvider(Form);
  }
  ~SkinnedTestForm() {
    delete Form;
    delete Manager;
    Pump();
  }
  SkinnedTestForm(const SkinnedTestForm&) = delete;
  SkinnedTestForm& operator=(const SkinnedTestForm&) = delete;
  HWND Wnd() const { return Form->Handle(); }
};

TEST(FormWindowProc, ControlsGetTheWindowImageWithTheClientOffset) {
  SkinnedTestForm t(L"Gradient");
  t.Form->Show();
  Pump(30);
  TsSkinProvider& p = *t.Provider;
  ASSERT_TRUE(p.SkinData.NeedsFullRepaint());
  BackgroundRequest request;
  RequestBackground(static_cast<TControl*>(t.Form), request);
  ASSERT_EQ(request.Kind, kBackgroundBitmap);
  EXPECT_EQ(request.Bitmap, p.SkinData.CacheBitmap());
  EXPECT_EQ(request.OffsetX, p.ClientShiftX());
  EXPECT_EQ(request.OffsetY, p.ClientShiftY());
  const LRESULT offset = SendSkinCommand(t.Wnd(), SKC_GETCLIENTOFFSET);
  EXPECT_EQ(LOWORD(offset), p.ClientShiftX());
  EXPECT_EQ(HIWORD(offset), p.ClientShiftY());
  // The client shows the image's client part.
  Pump(30);
  POINT client{10, 10};
  ClientToScreen(t.Wnd(), &client);
  HDC screen = GetDC(nullptr);
  const COLORREF shown = GetPixel(screen, client.x, client.y);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(shown & 0xFFFFFF, p.SkinData.CacheBitmap()->Pixels().GetColor(
                                  p.ClientShiftX() + 10, p.ClientShiftY() + 10));
}

TEST(FormWindowProc, APlainFormAnswersItsSectionColour) {
  SkinnedTestForm t(L"Ambrel");
  t.Form->Show();
  Pump(30);
  BackgroundRequest request;
  RequestBackground(static_cast<TControl*>(t.Form), request);
  EXPECT_EQ(request.Kind, kBackgroundColor);
  EXPECT_EQ(request.Color, 0xE7E7E7u);
  // UseGlobalColor: the form takes the colour of "GLOBALINFO".
  EXPECT_EQ(t.Form->Color(), 0xF0F0F0u);
}

TEST(FormWindowProc, PrintsFrameAndClientIntoADeviceContext) {
  SkinnedTestForm t(L"Gradient");
  t.Form->Show();
  Pump(30);
  TsSkinProvider& p = *t.Provider;
  TBitmap printed(p.OuterWidth(), p.OuterHeight(), PixelFormat::Bgr24);
  SendMessageW(t.Wnd(), WM_PRINT, reinterpret_cast<WPARAM>(printed.DC()),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  const PixelBuffer& image = p.SkinData.CacheBitmap()->Pixels();
  const int captionY = p.FrameThicknessY() + p.CaptionBarHeight() / 2;
  const int clear = p.OuterWidth() - 60;  // right of the title, no buttons in this skin
  EXPECT_EQ(printed.Pixels().GetColor(clear, captionY), image.GetColor(clear, captionY));
  EXPECT_EQ(printed.Pixels().GetColor(clear, captionY), kTitleColor);
  const int x = p.ClientShiftX() + 5, y = p.ClientShiftY() + 5;
  EXPECT_EQ(printed.Pixels().GetColor(x, y), image.GetColor(x, y));
  // A hidden form prints nothing.
  t.Form->Hide();
  TBitmap none(p.OuterWidth(), p.OuterHeight(), PixelFormat::Bgr24);
  SendMessageW(t.Wnd(), WM_PRINT, reinterpret_cast<WPARAM>(none.DC()), PRF_NONCLIENT);
  GdiFlush();
  EXPECT_EQ(none.Pixels().GetColor(clear, captionY), 0u);
}

TEST(FormWindowProc, HidingReleasesTheImageAndShowingRendersANewOne) {
  SkinnedTestForm t(L"Ambrel");
  t.Form->Show();
  Pump(30);
  TsSkinProvider& p = *t.Provider;
  ASSERT_FALSE(p.SkinData.CacheBitmap()->Empty());
  t.Form->Hide();
  EXPECT_TRUE(p.SkinData.CacheBitmap()->Empty());
  t.Form->Show();
  Pump(30);
  EXPECT_EQ(p.SkinData.CacheBitmap()->Width(), p.OuterWidth());
}

TEST(FormWindowProc, CommandsAndMessagesTheSkinnedFormKeepsToItself) {
  SkinnedTestForm t(L"Ambrel");
  t.Form->Show();
  Pump(30);
  TsSkinProvider& p = *t.Provider;
  EXPECT_TRUE(IsSkinned(t.Wnd()));
  EXPECT_EQ(ProviderOf(t.Form), static_cast<SkinProviderLink*>(&p));
  EXPECT_EQ(SendSkinCommand(t.Wnd(), 99), 0);
  EXPECT_EQ(SendSkinCommand(t.Wnd(), SKC_GETBGCOLOR), 0xE7E7E7);
  // A colour change without a custom colour leaves the image alone.
  p.SkinData.BackgroundChanged = false;
  t.Form->SetColor(0x0000FF);
  EXPECT_FALSE(p.SkinData.BackgroundChanged);
  // Right-button presses on the caption never reach the system.
  EXPECT_EQ(SendMessageW(t.Wnd(), WM_NCRBUTTONDOWN, HTCAPTION, 0), 0);
}

TEST(FormWindowProc, RemovingTheSkinGivesTheSystemFrameBackAndLoadingItTakesItAgain) {
  SkinnedTestForm t(L"Ambrel");
  t.Form->Show();
  Pump(30);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(t.Wnd(), region), ERROR);
  t.Manager->SetActive(false);
  Pump(30);
  EXPECT_EQ(GetWindowRgn(t.Wnd(), region), ERROR);
  EXPECT_TRUE(GetWindowLongW(t.Wnd(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_FALSE(IsSkinned(t.Wnd()));
  EXPECT_EQ(t.Form->Color(), clBtnFace);
  t.Manager->SetActive(true);
  Pump(30);
  EXPECT_TRUE(IsSkinned(t.Wnd()));
  EXPECT_FALSE(GetWindowLongW(t.Wnd(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_NE(GetWindowRgn(t.Wnd(), region), ERROR);
  EXPECT_EQ(t.Form->Color(), 0xF0F0F0u);
  DeleteObject(region);
}

TEST(FormWindowProc, AltF4ClosesTheForm) {
  SkinnedTestForm t(L"Ambrel");
  t.Form->Show();
  Pump(30);
  SendMessageW(t.Wnd(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
  Pump(30);
  EXPECT_FALSE(IsWindowVisible(t.Wnd()));
}

TEST(FormWindowProc, ADialogFadesInOverTwelveSteps) {
  SkinnedTestForm t(L"Ambrel", TFormBorderStyle::bsDialog);
  t.Manager->AnimEffects().DialogShow = {true, 100};
  InstallWindowFade();
  std::vector<int> weights;
  WindowFadeTestHooks().FrameShown = [&](const PixelBuffer&, int w) { weights.push_back(w); };
  WindowFadeTestHooks().Pause = [](int) {};
  t.Form->Show();
  WindowFadeTestHooks() = {};
  ManagerSeams().AnimateWindowChange = nullptr;
  Pump(30);
  ASSERT_FALSE(weights.empty());
  EXPECT_EQ(weights.size(), WindowFadeWeights(100).size() + 1);
  EXPECT_EQ(weights.front(), 255);
  EXPECT_EQ(weights[weights.size() - 2], 255 - 12 * 21);
  EXPECT_EQ(weights.back(), -1);
  EXPECT_FALSE(t.Provider->ShowAnimating);
  EXPECT_FALSE(FormAnimating);
  EXPECT_TRUE(IsWindowVisible(t.Wnd()));
}

TEST(FormWindowProc, TheSkinsSubmenuSwitchesTheSkinLive) {
  SkinnedTestForm t(L"Ambrel");
  t.Provider->MakeSkinMenu = true;
  t.Form->Show();
  Pump(30);
  static std::vector<std::wstring> skins;
  skins.clear();
  TsSystemMenu::TestObserver() = [](const std::vector<TsSystemMenuItem>& items, int, int) {
    if (!items.empty() && items.front().Name == L"SkinSelectItem")
      for (const TsSystemMenuItem& sub : items.front().Items)
        skins.push_back(sub.Caption + (sub.Checked ? L"*" : L""));
    return std::wstring(L"SkinSelectItem1");
  };
  t.Provider->ShowWindowMenuBelowIcon();
  TsSystemMenu::TestObserver() = nullptr;
  EXPECT_EQ(skins, (std::vector<std::wstring>{L"Ambrel*", L"Gradient"}));
  EXPECT_EQ(t.Manager->SkinName(), L"Gradient");
  Pump(50);
  TsSkinProvider& p = *t.Provider;
  const int captionY = p.FrameThicknessY() + p.CaptionBarHeight() / 2;
  EXPECT_EQ(p.SkinData.CacheBitmap()->Pixels().GetColor(p.OuterWidth() - 60, captionY),
            kTitleColor);
}

}  // namespace
