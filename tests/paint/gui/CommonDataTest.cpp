// The control skin state on a real form: sections, hover, the background
// request up the parent chain, and the caches across skin changes.
#include <windows.h>

#include <gtest/gtest.h>

#include "paint/PaintColor.h"
#include "paint/gui/SkinnedTestControls.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

TColor CentreOf(TBitmap* bitmap) {
  return bitmap ? bitmap->Pixels().GetColor(bitmap->Width() / 2, bitmap->Height() / 2) : 0;
}

BackgroundRequest Ask(TControl* control) {
  BackgroundRequest request;
  RequestBackground(control, request);
  return request;
}

TEST(CommonData, SectionNamesAreStoredUpperCasedAndDefaultsFollowTheKind) {
  const struct {
    const wchar_t* given;
    const wchar_t* stored;
  } names[] = {{L"button", L"BUTTON"}, {L"", L"UNKNOWN"}, {L"Panel_Low", L"PANEL_LOW"}};
  TLabel owner(nullptr);
  TsCommonData data(&owner, false);
  for (const auto& n : names) {
    data.SetSkinSection(n.given);
    EXPECT_EQ(data.SkinSection(), n.stored) << n.given;
  }

  const struct {
    int kind;
    const wchar_t* section;
  } kinds[] = {{52, L"PANEL_LOW"}, {3, L"EDIT"},      {97, L"EDIT"},      {12, L"COMBOBOX"},
               {93, L"BUTTON"},    {95, L"SPEEDBUTTON"}, {151, L"STATUSBAR"}, {226, L"GROUPBOX"},
               {999, L"TLABEL"}};
  for (const auto& k : kinds) {
    TLabel label(nullptr);
    TsCommonData fresh(&label, false);
    fresh.ControlKind = k.kind;
    fresh.Loaded();
    EXPECT_EQ(fresh.SkinSection(), k.section) << k.kind;
  }
}

TEST(CommonData, SectionAndIndexesFollowTheManager) {
  TestSkinManager manager;
  DemonstrationForm demo;
  const SkinModel& model = manager->Model();
  EXPECT_EQ(demo.Button->SkinData.SectionIndex, model.FindSection("BUTTON"));
  EXPECT_EQ(demo.ThinPanel->SkinData.SkinSection(), L"PANEL");
  EXPECT_EQ(demo.ThinPanel->SkinData.FrameMaskIndex,
            model.FindMask(model.FindSection("PANEL"), "PANEL", "BORDERSMASK"));
  EXPECT_EQ(demo.Toolbar->SkinData.BackgroundKind, 2);  // vertical gradient
  EXPECT_EQ(SendSkinCommand(demo.Button, SKC_GETSECTIONINDEX),
            model.FindSection("BUTTON") + 1);

  demo.Button->SkinData.SetSkinSection(L"nosuch");
  EXPECT_FALSE(demo.Button->SkinData.IsSkinned());
  EXPECT_EQ(demo.Button->SkinData.SectionIndex, -1);
  EXPECT_EQ(SendSkinCommand(demo.Button, SKC_GETSECTIONINDEX), 0);
}

TEST(CommonData, AnOwnManagerThatIsGoneCountsAsNone) {
  TestSkinManager primary;
  DemonstrationForm demo;
  auto* own = new TsSkinManager(nullptr);
  demo.Button->SkinData.SetSkinManager(own);
  EXPECT_EQ(demo.Button->SkinData.UsedManager(), own);
  delete own;
  EXPECT_EQ(demo.Button->SkinData.UsedManager(), primary.Get());
}

TEST(CommonData, HoverMakesButtonsHotButNeverContainers) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();
  demo.Button->Perform(CM_MOUSEENTER);
  demo.ThinPanel->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(demo.Button->SkinData.IsHot());
  EXPECT_FALSE(demo.ThinPanel->SkinData.Hovered);
  EXPECT_FALSE(demo.ThinPanel->SkinData.IsHot());

  // The hot face uses the section's hot colour.
  demo.Button->SkinData.Invalidate();
  EXPECT_EQ(CentreOf(demo.Button->Face()), kButtonHotColor);

  demo.Button->SetEnabled(false);  // an enable change drops the hover
  EXPECT_FALSE(demo.Button->SkinData.Hovered);
  EXPECT_FALSE(demo.Button->SkinData.IsHot());
  demo.Button->SetEnabled(true);
  demo.Button->Perform(CM_MOUSEENTER);
  demo.Button->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(demo.Button->SkinData.IsHot());
}

TEST(CommonData, TransparentPanelForwardsTheRequestWithItsOffset) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();

  const BackgroundRequest thin = Ask(demo.ThinPanel);
  ASSERT_EQ(thin.Kind, kBackgroundBitmap);
  EXPECT_EQ(thin.Bitmap, demo.Toolbar->SkinData.CacheBitmap());
  EXPECT_EQ(thin.OffsetX, demo.ThinPanel->Left());
  EXPECT_EQ(thin.OffsetY, demo.ThinPanel->Top());

  // Borders adding up to more than 24: the panel answers with its own face.
  const BackgroundRequest wide = Ask(demo.WidePanel);
  ASSERT_EQ(wide.Kind, kBackgroundBitmap);
  EXPECT_EQ(wide.Bitmap, demo.WidePanel->SkinData.CacheBitmap());
  EXPECT_EQ(wide.OffsetX, 0);
  EXPECT_EQ(wide.OffsetY, 0);

  // The thin panel's middle shows the tool bar's gradient at its place, and
  // the button inside it sees through both.
  TBitmap* toolbar = demo.Toolbar->Face();
  TBitmap* panel = demo.ThinPanel->Face();
  ASSERT_TRUE(toolbar && panel);
  for (const POINT p : {POINT{10, 50}, POINT{60, 90}}) {
    EXPECT_EQ(panel->Pixels().GetColor(p.x, p.y),
              toolbar->Pixels().GetColor(p.x + demo.ThinPanel->Left(),
                                         p.y + demo.ThinPanel->Top()));
  }
  EXPECT_EQ(panel->Pixels().GetColor(1, 1), kThinBorderColor);
  EXPECT_EQ(demo.WidePanel->Face()->Pixels().GetColor(0, 0), kWideBorderColor);

  // A flat section answers its colour; the inner button lies on the panel
  // which lies on the tool bar.
  const BackgroundRequest flat = Ask(demo.Button);
  EXPECT_EQ(flat.Kind, kBackgroundColor);
  EXPECT_EQ(flat.Color, kButtonColor);
  const BackgroundInfo behindButton = demo.InnerButton->SkinData.GetBackground();
  ASSERT_TRUE(behindButton.IsBitmap);
  EXPECT_EQ(behindButton.Bitmap, &toolbar->Pixels());
  EXPECT_EQ(behindButton.OffsetX, demo.ThinPanel->Left());
}

TEST(CommonData, TransparentCornersShowTheParentAgainAfterRefreshing) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();
  TBitmap* toolbar = demo.Toolbar->Face();
  TBitmap* panel = demo.ThinPanel->Face();
  ASSERT_TRUE(toolbar && panel);
  const TColor behind =
      toolbar->Pixels().GetColor(demo.ThinPanel->Left(), demo.ThinPanel->Top());
  EXPECT_EQ(panel->Pixels().GetColor(0, 0), behind);  // the key pixel of the border

  panel->Pixels().SetColor(0, 0, 0x123456);
  panel->Pixels().SetColor(1, 1, 0x123456);
  demo.ThinPanel->SkinData.RefreshCornersFromParent(0, kCornerBottomLeft);
  EXPECT_EQ(panel->Pixels().GetColor(0, 0), 0x123456u);  // corner not asked for
  demo.ThinPanel->SkinData.RefreshCornersFromParent(0);
  EXPECT_EQ(panel->Pixels().GetColor(0, 0), behind);
  EXPECT_EQ(panel->Pixels().GetColor(1, 1), 0x123456u);  // not a key pixel: left alone
}

TEST(CommonData, TheScreenShowsTheFacesAndTheGraphicChildrenOverThem) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();
  auto screenPixel = [](TWinControl* control, int x, int y) {
    HDC dc = GetDC(control->Handle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control->Handle(), dc);
    return static_cast<TColor>(c);
  };
  TBitmap* toolbar = demo.Toolbar->SkinData.CacheBitmap();
  ASSERT_TRUE(toolbar && !toolbar->Empty());
  EXPECT_EQ(screenPixel(demo.Toolbar, 5, 150), toolbar->Pixels().GetColor(5, 150));
  const RECT b = demo.InnerButton->BoundsRect();
  EXPECT_EQ(screenPixel(demo.ThinPanel, (b.left + b.right) / 2, (b.top + b.bottom) / 2),
            kButtonColor);
}

TEST(CommonData, BareWindowsAskTheirParentWindowAndAreLeftOutWhenCopying) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();
  HWND toolbarWnd = demo.Toolbar->Handle();
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 30, 140, 20, 10,
                               toolbarWnd, nullptr, nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  TBitmap* toolbar = demo.Toolbar->Face();
  ASSERT_NE(toolbar, nullptr);

  // A window adapter's state: no control, a transparent section.
  TComponent adapter(nullptr);
  TsCommonData data(&adapter, false);
  data.SetSkinSection(L"PANEL");
  ASSERT_TRUE(data.IsSkinned());
  BackgroundRequest r;
  data.AnswerBackground(r, 0, child);
  ASSERT_EQ(r.Kind, kBackgroundBitmap);
  EXPECT_EQ(r.Bitmap, toolbar);
  EXPECT_EQ(r.OffsetX, 30);
  EXPECT_EQ(r.OffsetY, 140);
  const BackgroundInfo behind = TsCommonData::GetBackground(child);
  EXPECT_EQ(behind.Bitmap, &toolbar->Pixels());

  // Copying the tool bar's face leaves the child window's place alone.
  TBitmap target(demo.Toolbar->Width(), demo.Toolbar->Height());
  target.Pixels().Fill(0x010101);
  const RECT all{0, 0, demo.Toolbar->Width(), demo.Toolbar->Height()};
  CopyCacheToDC(toolbarWnd, demo.Toolbar->SkinData, {0, 0}, 0, 0, false, target.DC(), all);
  GdiFlush();
  EXPECT_EQ(target.Pixels().GetColor(35, 145), 0x010101u);
  EXPECT_EQ(target.Pixels().GetColor(5, 150), toolbar->Pixels().GetColor(5, 150));
  DestroyWindow(child);
}

TEST(CommonData, EditLikeOwnersTakeSectionColoursUnlessCustom) {
  TestSkinManager manager;
  DemonstrationForm demo;
  auto* edit = new TestSkinnedPanel(demo.Form, demo.Form, L"Edit", kEditLikeKind, L"",
                                    {10, 220, 150, 241});
  auto* custom = new TestSkinnedPanel(demo.Form, demo.Form, L"Custom", kEditLikeKind, L"",
                                      {160, 220, 300, 241});
  custom->SetColor(0x00FFFF);
  custom->SkinData.SetCustomColor(true);
  custom->SkinData.SetCustomFont(true);
  custom->Font().SetColor(0x0000FF);
  demo.Form->Show();
  Pump();
  EXPECT_EQ(edit->SkinData.SkinSection(), L"EDIT");
  EXPECT_EQ(edit->Color(), 0xFFFFFFu);
  EXPECT_EQ(edit->Font().Color(), 128u);

  manager->SetActive(false);  // the system's edit colours come back
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_EQ(edit->Font().Color(), clWindowText);
  EXPECT_EQ(custom->Color(), 0x00FFFFu);
  EXPECT_EQ(custom->Font().Color(), 0x0000FFu);

  manager->SetActive(true);
  EXPECT_EQ(edit->Color(), 0xFFFFFFu);
  EXPECT_EQ(custom->Color(), 0x00FFFFu);
  custom->SkinData.SetCustomColor(false);  // back to the section's colour
  EXPECT_EQ(custom->Color(), 0xFFFFFFu);
}

TEST(CommonData, UnskinnedAndSilentControlsAnswerWithTheirColour) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Button->SetColor(0x123456);
  demo.Button->SkinData.SetSkinSection(L"NOSUCH");
  const BackgroundRequest unskinned = Ask(demo.Button);
  EXPECT_EQ(unskinned.Kind, kBackgroundColor);
  EXPECT_EQ(unskinned.Color, 0x123456u);

  auto* plain = new TPanel(demo.Form);
  plain->SetParent(demo.Form);
  plain->SetColor(0x654321);
  const BackgroundRequest silent = Ask(plain);
  EXPECT_EQ(silent.Kind, kBackgroundColor);
  EXPECT_EQ(silent.Color, 0x654321u);
}

// A receiver that answers by asking itself again: the chain is cut.
class SelfAsking : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int Asked = 0;

 protected:
  void WndProc(Message& m) override {
    if (IsSkinCommand(m, SKC_GETBACKGROUND)) {
      ++Asked;
      RequestBackground(this, *reinterpret_cast<BackgroundRequest*>(m.lParam));
      return;
    }
    TGraphicControl::WndProc(m);
  }
};

TEST(CommonData, ALoopOfBackgroundRequestsEndsWithAColour) {
  SelfAsking looping(nullptr);
  looping.SetColor(0x010203);
  const BackgroundRequest answer = Ask(&looping);
  EXPECT_EQ(answer.Kind, kBackgroundColor);
  EXPECT_EQ(answer.Color, 0x010203u);
  EXPECT_LE(looping.Asked, 40);
}

TEST(CommonData, CachesFollowNewSkinRefreshAndRemoval) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();
  EXPECT_EQ(CentreOf(demo.Button->SkinData.CacheBitmap()), kButtonColor);
  TBitmap* const cacheObject = demo.WidePanel->SkinData.CacheBitmap();

  manager->SetActive(false);  // SKC_REMOVESKIN
  for (TsCommonData* data : {&demo.Button->SkinData, &demo.Toolbar->SkinData,
                             &demo.WidePanel->SkinData}) {
    EXPECT_EQ(data->SectionIndex, -1);
    ASSERT_NE(data->CacheBitmap(), nullptr);
    EXPECT_TRUE(data->CacheBitmap()->Empty());
  }
  // The cache object a background answer lends stays the same object.
  EXPECT_EQ(demo.WidePanel->SkinData.CacheBitmap(), cacheObject);
  Pump();
  EXPECT_TRUE(demo.Button->SkinData.CacheBitmap()->Empty());

  manager->SetActive(true);  // SKC_NEWSKIN, SKC_REFRESH
  Pump();
  EXPECT_TRUE(demo.Button->SkinData.IsSkinned(true));
  EXPECT_EQ(CentreOf(demo.Button->SkinData.CacheBitmap()), kButtonColor);
  EXPECT_EQ(demo.ThinPanel->SkinData.CacheBitmap()->Pixels().GetColor(1, 1), kThinBorderColor);

  // A recolouring refreshes every face in the new colours.
  const int before = demo.Button->Rebuilds;
  manager->SetHueOffset(180);  // SKC_REFRESH
  Pump();
  const TColor recoloured = manager->Model().Section(demo.Button->SkinData.SectionIndex)->Color;
  EXPECT_NE(recoloured, kButtonColor);
  EXPECT_GT(demo.Button->Rebuilds, before);
  EXPECT_EQ(CentreOf(demo.Button->SkinData.CacheBitmap()), ConvertColor(recoloured));
}

TEST(CommonData, ControlsIgnoreTheAnnouncementsOfAnotherManager) {
  TestSkinManager primary;
  DemonstrationForm demo;
  auto* other = new TsSkinManager(nullptr);
  ASSERT_NE(TsSkinManager::PrimaryManager(), other);
  TsStoredSkin skin = TestSkin();
  skin.GeneralData.erase(skin.GeneralData.begin() + 1);  // no "BUTTON"
  other->SetInternalSkins({skin});
  other->SetSkinName(L"Test");  // SKC_NEWSKIN and SKC_REFRESH of the other
  EXPECT_TRUE(demo.Button->SkinData.IsSkinned(true));
  EXPECT_EQ(demo.Button->SkinData.SectionIndex, primary->Model().FindSection("BUTTON"));
  delete other;  // SKC_REMOVESKIN of the other
  EXPECT_TRUE(demo.Button->SkinData.IsSkinned(true));
}

TEST(CommonData, HiddenControlsFreeTheirFaceAndRepaintWhenShown) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  Pump();
  ASSERT_FALSE(demo.Button->SkinData.CacheBitmap()->Empty());
  demo.Button->SetVisible(false);
  EXPECT_TRUE(demo.Button->SkinData.CacheBitmap()->Empty());
  demo.Button->SkinData.BackgroundChanged = false;
  demo.Button->SetVisible(true);
  EXPECT_TRUE(demo.Button->SkinData.BackgroundChanged);
  Pump();
  EXPECT_EQ(CentreOf(demo.Button->SkinData.CacheBitmap()), kButtonColor);
}

TEST(CommonData, PlainBackgroundsAndColourAnswers) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();  // windowed controls answer commands through their windows
  // A gradient is no plain background; a transparent panel over it neither.
  EXPECT_FALSE(demo.Toolbar->SkinData.PlainBackground());
  EXPECT_FALSE(demo.ThinPanel->SkinData.PlainBackground());
  EXPECT_TRUE(demo.Toolbar->SkinData.HasComplexBackground());
  EXPECT_TRUE(demo.WidePanel->SkinData.HasComplexBackground());
  // Fully transparent: the parent's colour answer (the tool bar's section
  // colour), else the section's own.
  EXPECT_EQ(SendSkinCommand(demo.Button, SKC_GETBGCOLOR), kButtonColor);
  EXPECT_EQ(static_cast<TColor>(SendSkinCommand(demo.ThinPanel, SKC_GETBGCOLOR)), 0x808080u);
  EXPECT_EQ(demo.ThinPanel->SkinData.ControlBackColor(false), 0x808080u);
  // Over a gradient, a transparent panel depends on its parent.
  EXPECT_TRUE(demo.ThinPanel->SkinData.DependsOnParentBackground());
  EXPECT_FALSE(demo.Button->SkinData.DependsOnParentBackground());
  EXPECT_EQ(SendSkinCommand(demo.Toolbar, SKC_ISGRAPHICBG), 1);
}

TEST(CommonData, HalfTransparentColourMixesFloatAndIntegerShapes) {
  TestSkinManager manager;
  DemonstrationForm demo;
  demo.Form->Show();
  const SkinModel& model = manager->Model();
  auto& button = const_cast<TsGeneralData&>(*model.Section(model.FindSection("BUTTON")));
  button.Transparency = button.HotTransparency = 50;
  // Behind the inner button: the see-through panel, which answers the tool
  // bar's colour 0x808080; the button's own colour is pure red.
  const std::uint8_t floatRed = 192, floatOther = 64;  // Round(0.5 * 128 + 0.5 * 255), halves to even
  const std::uint8_t intRed = 191, intOther = 63;      // ((p - o) * 127 + o * 256) >> 8
  EXPECT_EQ(demo.InnerButton->SkinData.ControlBackColor(false),
            RgbColor(floatRed, floatOther, floatOther));
  EXPECT_EQ(static_cast<TColor>(SendSkinCommand(demo.InnerButton, SKC_GETBGCOLOR)),
            RgbColor(intRed, intOther, intOther));
}

TEST(CommonData, FormsWithSkinnedControlsReleaseEveryHandle) {
  TestSkinManager manager;
  auto cycle = [] {
    DemonstrationForm demo;
    demo.Form->Show();
    demo.Button->Perform(CM_MOUSEENTER);
    Pump();
  };
  cycle();  // window classes and stock objects on first use
  const HandleCount::Snapshot before = HandleCount::Take();
  for (int i = 0; i < 25; ++i) cycle();
  EXPECT_EQ(HandleCount::Take(), before);
}

}  // namespace
