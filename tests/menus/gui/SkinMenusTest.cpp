// Skinned popup menus on a real form under the program's internal skin:
// measuring, the popup window taken over with its region, cascading
// submenus with their own state, letter keys, the extra line, and nothing
// left behind when a popup closes, even by a skin change.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "menus/MenuLayout.h"
#include "runtime/win/Handles.h"
#include "MenuFixture.h"
#include "runtime/win/MenuItemDefaults.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

int LetterHeight(HFONT font) {
  WindowDC screen(nullptr);
  SelectGuard select(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), L"W", 1, &size);
  return size.cy;
}

SIZE Measure(TMenuItem* item) {
  WindowDC screen(nullptr);
  int w = 0, h = 0;
  item->OnMeasureItem(item, screen.Get(), w, h);
  return {w, h};
}

int TextWidth(const std::wstring& text) {
  WindowDC screen(nullptr);
  SelectGuard select(screen.Get(), MenuFontHandle(false));
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return r.right;
}

bool InRegion(HWND wnd, int x, int y) {
  RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(wnd, region.Get()) == ERROR) return true;
  return PtInRegion(region.Get(), x, y) != 0;
}

}  // namespace

TEST_F(SkinnedMenuTest, ItemsAreMeasuredFromTheMenuFontAndTheirGlyphs) {
  TMenuItem* open = Add(L"&Open");
  open->SetShortCut(ShortCut('O', scCtrl));
  TMenuItem* line = Add(L"-");
  TMenuItem* caption = Add(L"-Tools-");
  TMenuItem* big = Add(L"Big");
  TBitmap picture(24, 30);
  big->SetBitmap(std::move(picture));
  HandMenuToSkinning(*popup);
  ASSERT_TRUE(open->OnMeasureItem) << "the skinning installs its handlers";

  const int letter = static_cast<int>(std::nearbyint(1.25 * LetterHeight(MenuFontHandle(false))));
  EXPECT_EQ(Measure(line).cy, 2);
  EXPECT_EQ(Measure(open).cy, std::max(letter, 16) + 4);
  EXPECT_EQ(Measure(caption).cy, letter + 4);
  EXPECT_EQ(Measure(big).cy, std::max(letter, 30) + 4);
  // Caption followed by its shortcut text, two glyph widths, 3 margins and
  // the spacing.
  EXPECT_EQ(Measure(open).cx, 2 * 16 + TextWidth(L"&OpenCtrl+O") + 3 * 2 + 6);
  EXPECT_EQ(Measure(big).cx, 2 * 24 + TextWidth(L"Big") + 3 * 2 + 6);
  EXPECT_EQ(Measure(caption).cx, 2 * 16 + TextWidth(L"--Tools--") + 3 * 2 + 6);

  // The extra line widens first-column items only.
  manager->MenuSupport().UseExtraLine = true;
  const int before = Measure(big).cx;
  TMenuItem* second = Add(L"Second");
  second->SetBreak(TMenuBreak::mbBreak);
  HandMenuToSkinning(*popup);
  EXPECT_EQ(Measure(second).cx, 2 * 16 + TextWidth(L"Second") + 3 * 2 + 6);
  EXPECT_EQ(before, 2 * 24 + TextWidth(L"Big") + 3 * 2 + 6 + 32);
}

TEST_F(SkinnedMenuTest, PopupIsTakenOverWithItsCornersCutAndLeavesNothingBehind) {
  Add(L"&Open");
  Add(L"-");
  Add(L"&Close");
  HWND shown = nullptr;
  RECT bounds{};
  bool subclassed = false;
  ShowPopup({[&] {
    auto popups = PopupWindows();
    ASSERT_EQ(popups.size(), 1u);
    shown = popups[0];
    GetWindowRect(shown, &bounds);
    const PopupMenuState* state = menus->StateOf(popup->Handle());
    ASSERT_NE(state, nullptr);
    subclassed = state->Subclassed;
    EXPECT_EQ(state->Window, shown);
    EXPECT_EQ(state->Background.Width(), bounds.right - bounds.left);
  }});
  ASSERT_TRUE(shown);
  EXPECT_TRUE(subclassed);
  Pump(30);
  EXPECT_EQ(menus->StateCount(), 0u);
}

TEST_F(SkinnedMenuTest, RegionExcludesTheKeyColouredCornerPixels) {
  Add(L"&Open");
  Add(L"&Close");
  std::vector<bool> inside;
  ShowPopup({[] {}, [&] {
    auto popups = PopupWindows();
    ASSERT_EQ(popups.size(), 1u);
    RECT r{};
    GetWindowRect(popups[0], &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    // Ambrel's menu border has one key pixel in each corner.
    for (POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1},
                    POINT{1, 0}, POINT{0, 1}, POINT{w / 2, h / 2}})
      inside.push_back(InRegion(popups[0], p.x, p.y));
  }});
  const std::vector<bool> expected{false, false, false, false, true, true, true};
  EXPECT_EQ(inside, expected);
}

TEST_F(SkinnedMenuTest, CascadingSubmenusKeepTheirOwnState) {
  TMenuItem* more = Add(L"&More");
  Add(more, L"First");
  Add(more, L"Second");
  Add(L"&Close");
  size_t withBoth = 0, afterClosing = 0;
  bool parentKept = false, bothTakenOver = false;
  ShowPopup({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); }, [] {},
             [&] {
               withBoth = menus->StateCount();
               const PopupMenuState* parent = menus->StateOf(popup->Handle());
               const PopupMenuState* child = menus->StateOf(more->Handle());
               bothTakenOver = parent && child && parent->Subclassed && child->Subclassed &&
                               parent->Window != child->Window;
               PostKey(VK_LEFT);
             },
             [&] {
               afterClosing = menus->StateCount();
               const PopupMenuState* parent = menus->StateOf(popup->Handle());
               parentKept = parent && parent->Subclassed && !parent->Background.Empty();
             }});
  EXPECT_EQ(withBoth, 2u);
  EXPECT_TRUE(bothTakenOver);
  EXPECT_EQ(afterClosing, 1u);
  EXPECT_TRUE(parentKept);
  Pump(30);
  EXPECT_EQ(menus->StateCount(), 0u);
}

TEST_F(SkinnedMenuTest, ALetterKeyRunsTheItemOfItsAmpersandElseItsFirstLetter) {
  struct Case {
    std::vector<const wchar_t*> captions;
    wchar_t key;
    const wchar_t* chosen;
  };
  const Case cases[] = {
      {{L"&Restore", L"&Move", L"Close"}, L'c', L"Close"},
      {{L"Open", L"M&ove", L"Other"}, L'o', L"M&ove"},
      {{L"Open", L"-", L"Other"}, L'o', L"Open"},
      {{L"Open", L"Close"}, L'x', nullptr},
  };
  for (const Case& c : cases) {
    while (popup->Items()->Count()) delete popup->Items()->Items(0);
    std::wstring clicked;
    for (const wchar_t* caption : c.captions)
      Add(caption)->OnClick = [&clicked](TMenuItem* item) { clicked = item->Caption(); };
    ShowPopup({[&] {
      for (HWND wnd : PopupWindows()) PostMessageW(wnd, WM_CHAR, c.key, 0);
    }});
    EXPECT_EQ(clicked, c.chosen ? c.chosen : L"") << c.key;
  }
}

TEST_F(SkinnedMenuTest, ExtraLineShowsItsDefaultCaptionUnlessTheMenuSelectsSkins) {
  manager->MenuSupport().UseExtraLine = true;
  TMenuItem* first = Add(L"&Open");
  Add(L"&Close");
  auto whiteInStrip = [&](const PopupMenuState& state) {
    // The caption is written in the section's white font colour.
    int white = 0;
    const PixelBuffer& bg = state.Background.Pixels();
    for (int y = 3; y < bg.Height() - 3; ++y)
      for (int x = 3; x < 3 + 32; ++x) white += (bg.GetColor(x, y) & 0xFFFFFF) == 0xFFFFFF;
    return white;
  };
  std::wstring caption;
  int extra = -1, white = 0;
  ShowPopup({[&] {
    const PopupMenuState* state = menus->StateOf(popup->Handle());
    ASSERT_NE(state, nullptr);
    caption = state->ExtraCaption;
    extra = menus->ExtraLineWidth(*state);
    white = whiteInStrip(*state);
  }});
  EXPECT_EQ(caption, L"Don\x60t forget OnGetExtraLineData event...");
  EXPECT_EQ(extra, 32);
  EXPECT_GT(white, 20);

  first->Name = L"SkinSelectItem";
  ShowPopup({[&] {
    const PopupMenuState* state = menus->StateOf(popup->Handle());
    ASSERT_NE(state, nullptr);
    extra = menus->ExtraLineWidth(*state);
  }});
  EXPECT_EQ(extra, 0);
}

TEST_F(SkinnedMenuTest, AHandlerSuppliesTheExtraLineCaptionWithoutAmpersands) {
  manager->MenuSupport().UseExtraLine = true;
  TMenuItem* first = Add(L"&Open");
  TMenuItem* seen = nullptr;
  manager->OnGetMenuExtraLineData = [&](TMenuItem* item, std::string&, std::wstring& caption,
                                        std::unique_ptr<TBitmap>&, bool&) {
    seen = item;
    caption = L"&Folvane";
  };
  std::wstring caption;
  ShowPopup({[&] {
    if (const PopupMenuState* state = menus->StateOf(popup->Handle())) caption = state->ExtraCaption;
  }});
  EXPECT_EQ(seen, first);
  EXPECT_EQ(caption, L"Folvane");
}

TEST_F(SkinnedMenuTest, ASkinChangeClosesTheOpenPopupAndDropsItsState) {
  TMenuItem* more = Add(L"&More");
  Add(more, L"First");
  Add(L"&Close");
  bool stillOpenAfter = false;
  ShowPopup({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); },
             [&] { manager->SetActive(false); },
             // Runs only while the menu loop still runs.
             [&] { stillOpenAfter = true; }});
  EXPECT_FALSE(stillOpenAfter);
  EXPECT_EQ(menus->StateCount(), 0u);
  EXPECT_FALSE(more->OnMeasureItem) << "a skin removal takes the handlers away";
}

TEST_F(SkinnedMenuTest, DeactivationRemovesOnlyItsOwnHandlers) {
  TMenuItem* mine = Add(L"Mine");
  bool drawn = false;
  mine->OnAdvancedDrawItem = [&](TMenuItem*, HDC, const RECT&, TOwnerDrawState) { drawn = true; };
  TMenuItem* skinned = Add(L"Skinned");
  HandMenuToSkinning(*popup);
  EXPECT_EQ(skinned->HandlersOwner, menus);
  EXPECT_EQ(mine->HandlersOwner, nullptr);
  menus->Activate(false);
  EXPECT_FALSE(skinned->OnAdvancedDrawItem);
  EXPECT_TRUE(mine->OnAdvancedDrawItem);
  EXPECT_FALSE(drawn);
}

TEST_F(SkinnedMenuTest, APopupFreedWhileOpenClosesAndLeavesNothingBehind) {
  TMenuItem* more = Add(L"&More");
  Add(more, L"First");
  Add(L"&Close");
  bool ranAfter = false;
  ShowPopup({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); },
             [&] {
               delete popup;
               popup = nullptr;
             },
             [&] { ranAfter = true; }});
  EXPECT_FALSE(ranAfter);
  Pump(30);
  EXPECT_EQ(menus->StateCount(), 0u);
}

TEST_F(SkinnedMenuTest, AnOwnerFormDestroyedWhileItsPopupIsOpenLeavesNothingBehind) {
  TMenuItem* more = Add(L"&More");
  Add(more, L"First");
  bool ranAfter = false;
  ShowPopup({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); },
             [&] {
               // The form takes its manager, the menu object and the popup with it.
               delete form;
               form = nullptr;
             },
             [&] { ranAfter = true; }});
  EXPECT_FALSE(ranAfter);
  Pump(30);
  EXPECT_TRUE(PopupWindows().empty());
}

TEST_F(SkinnedMenuTest, MainMenuTopItemsAreMeasuredAndDrawnIntoTheMenuLine) {
  auto* bar = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption(L"&File");
  bar->Items()->Add(file);
  Add(file, L"&Open");
  bar->AttachTo(form->Handle());
  menus->Activate(true);  // the form's menus, as a skin change hands them over
  ASSERT_TRUE(file->OnMeasureItem);
  EXPECT_TRUE(bar->OwnerDraw());
  EXPECT_EQ(file->Items(0)->HandlersOwner, menus);

  SIZE size = Measure(file);
  EXPECT_EQ(size.cy, GetSystemMetrics(SM_CYMENU) - 1);
  {
    WindowDC screen(nullptr);
    SelectGuard select(screen.Get(), MenuFontHandle(false));
    SIZE text{};
    GetTextExtentPoint32W(screen.Get(), L"File", 4, &text);
    EXPECT_EQ(size.cx, text.cx);
  }

  // Into a menu line: hot and disabled-hot; the disabled item keeps 102/255
  // of itself over the line.
  auto lineImage = [] {
    TBitmap line(80, 20);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 80; ++x) line.Pixels().SetColor(x, y, 0x30C060);
    return line;
  };
  const RECT r{10, 0, 70, 20};
  TBitmap hot = lineImage();
  menus->DrawTopItemInto(*file, hot, r, odSelected);
  file->SetEnabled(false);
  TBitmap disabled = lineImage();
  menus->DrawTopItemInto(*file, disabled, r, odSelected);
  int changed = 0, off = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 80; ++x) {
      const TColor h = hot.Pixels().GetColor(x, y), d = disabled.Pixels().GetColor(x, y);
      if (x < r.left || x >= r.right) {
        off += h != 0x30C060 || d != 0x30C060;
        continue;
      }
      changed += h != 0x30C060;
      for (int shift : {0, 8, 16}) {
        const double item = (h >> shift) & 0xFF, line = (0x30C060 >> shift) & 0xFF;
        const int expected = static_cast<int>(std::nearbyint(line + 102.0 / 255 * (item - line)));
        EXPECT_NEAR(static_cast<int>((d >> shift) & 0xFF), expected, 1) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(off, 0) << "nothing outside the item's rectangle changes";
  EXPECT_GT(changed, 60 * 20 / 2) << "the hot item paints its rectangle";
}

TEST_F(SkinnedMenuTest, AFormLetsGoOfItsMenuBarBeforeItsWindowGoes) {
  // The platform destroys a window's menu with the window; the menu bar
  // belongs to its TMainMenu, which must still find it alive.
  auto* other = new TForm(Application);
  other->SetBounds(60, 60, 200, 120);
  auto* bar = new TMainMenu(other);
  auto* file = new TMenuItem(other);
  file->SetCaption(L"&File");
  bar->Items()->Add(file);
  other->Show();
  bar->AttachTo(other->Handle());
  HMENU handle = bar->Handle();
  auto* keep = new TMainMenu(form);  // outlives the form it was shown on
  auto* item = new TMenuItem(form);
  item->SetCaption(L"&Edit");
  keep->Items()->Add(item);
  keep->AttachTo(other->Handle());
  HMENU kept = keep->Handle();
  delete other;
  EXPECT_FALSE(IsMenu(handle));
  EXPECT_TRUE(IsMenu(kept));
}

TEST_F(SkinnedMenuTest, ArrowsEnterAndEscapeWorkAsUsual) {
  std::wstring clicked;
  for (const wchar_t* caption : {L"&Open", L"-", L"&Save", L"&Close"})
    Add(caption)->OnClick = [&clicked](TMenuItem* item) { clicked = item->Caption(); };
  // The divider is passed over.
  ShowPopup({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_DOWN); }, [] { PostKey(VK_RETURN); }});
  EXPECT_EQ(clicked, L"&Save");
  clicked.clear();
  ShowPopup({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_ESCAPE); }});
  EXPECT_EQ(clicked, L"");
}
