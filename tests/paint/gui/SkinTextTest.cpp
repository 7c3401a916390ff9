// Skinned text: the order, rectangles, formats and colours of the draws
// (recorded through the text platform), parent colour borrowing over real
// controls, and one real GDI draw that must stay inside its rectangle.
#include "paint/win/sSkinText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"

namespace folvane {
namespace {

struct Drawn {
  RECT rect;
  UINT format;
  TColor color;
  unsigned style;
  bool clear;
  bool operator==(const Drawn& o) const {
    return EqualRect(&rect, &o.rect) && format == o.format && color == o.color &&
           style == o.style && clear == o.clear;
  }
};

std::ostream& operator<<(std::ostream& os, const Drawn& d) {
  return os << "{(" << d.rect.left << "," << d.rect.top << "," << d.rect.right << ","
            << d.rect.bottom << ") fmt " << std::hex << d.format << " colour " << d.color
            << std::dec << " style " << d.style << (d.clear ? " clear}" : " opaque}");
}

// Records the draws; every other call is counted so that saves and
// restores can be checked to pair up.
class RecordingTextPlatform : public TextPlatform {
 public:
  std::vector<Drawn> draws;
  std::vector<int> saveStack;
  int saves = 0, restores = 0;
  std::vector<RECT> clips;

  int SaveDC(HDC) override {
    saveStack.push_back(++saves);
    return saves;
  }
  void RestoreDC(HDC, int saved) override {
    ++restores;
    EXPECT_FALSE(saveStack.empty());
    if (!saveStack.empty()) {
      EXPECT_EQ(saveStack.back(), saved);
      saveStack.pop_back();
    }
  }
  void IntersectClip(HDC, const RECT& r) override { clips.push_back(r); }
  int DrawFormatted(HDC, const TFont& font, bool clear, TColor, const wchar_t*, int, RECT& rect,
               UINT format) override {
    draws.push_back({rect, format, font.Color(), font.Style(), clear});
    return 10;
  }
  SIZE TextExtent(HDC, const TFont&, const wchar_t*, int length) override {
    return {length * 6, 13};
  }
  void TextRect(HDC, const TFont&, bool, TColor, const RECT&, int, int, const wchar_t*,
                int) override {}
  bool WidthsGrowWithLength(HDC) override { return true; }
};

constexpr TColor kNo = kNoContourColor;
constexpr RECT kRect{10, 20, 110, 40};
constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER;

RECT Shift(int dx, int dy) {
  return {kRect.left + dx, kRect.top + dy, kRect.right + dx, kRect.bottom + dy};
}

TsGeneralData TextSection(const std::string& name, TColor font, TColor hotFont) {
  TsGeneralData s;
  s.SectionName = name;
  s.FontColor = font;
  s.HotFontColor = hotFont;
  s.Color = 0xF0F0F0;
  return s;
}

// A manager with hand-made sections; section 0 is "GLOBALINFO" as the
// internal skin has it (TCLeft white, the other sides -1, colour F0F0F0).
class SkinText : public ::testing::Test {
 protected:
  void SetUp() override {
    SkinContents contents;
    TsGeneralData global = TextSection("GLOBALINFO", 0x1E1E1E, 0x1E1E1E);
    global.TCLeft = 0xFFFFFF;
    contents.Sections.push_back(global);
    TsGeneralData title = TextSection("FORMTITLE", 0x7F7F7F, 0xFFFFFF);
    title.HotTCLeft = title.HotTCTop = title.HotTCRight = title.HotTCBottom = 6968878;
    contents.Sections.push_back(title);
    contents.Sections.push_back(TextSection("WEBBUTTON", 0xB06F1F, 0xD8840A));
    TsGeneralData disabled = TextSection("BUTTON", 0x000000, 0x000000);
    contents.Sections.push_back(disabled);
    TsGeneralData box = TextSection("CHECKBOX", 0x111111, 0x111111);
    box.Transparency = 100;
    contents.Sections.push_back(box);
    TsGeneralData panel = TextSection("PANEL", 0x222222, 0x222222);
    panel.TCBottom = 0x333333;
    contents.Sections.push_back(panel);
    manager_ = std::make_unique<TsSkinManager>(nullptr);
    manager_->Model().Assign(std::move(contents));
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, 300, 200);
  }
  void TearDown() override {
    delete form_;
    manager_.reset();
  }
  enum { kGlobal, kTitle, kWeb, kButton, kCheckBox, kPanel };
  TsSkinManager& Manager() { return *manager_; }
  TsGeneralData& SectionAt(int i) {
    return const_cast<TsGeneralData&>(*manager_->Model().Section(i));
  }

  std::unique_ptr<TsSkinManager> manager_;
  TForm* form_ = nullptr;
  RecordingTextPlatform platform_;
};

TEST_F(SkinText, SectionTextDrawsContourSidesThenTheText) {
  struct Case {
    const char* what;
    int section;
    bool hot, enabled;
    std::vector<Drawn> expected;
  } cases[] = {
      {"no contour: one draw", kWeb, false, true, {{kRect, kFormat, 0xB06F1F, 0, true}}},
      {"GLOBALINFO: white one pixel left, then the font colour", kGlobal, false, true,
       {{Shift(-1, 0), kFormat, 0xFFFFFF, 0, true}, {kRect, kFormat, 0x1E1E1E, 0, true}}},
      {"hot FORMTITLE: four sides left, top, right, bottom around a white copy", kTitle, true,
       true,
       {{Shift(-1, 0), kFormat, 0x6A562E, 0, true},
        {Shift(0, -1), kFormat, 0x6A562E, 0, true},
        {Shift(1, 0), kFormat, 0x6A562E, 0, true},
        {Shift(0, 1), kFormat, 0x6A562E, 0, true},
        {kRect, kFormat, 0xFFFFFF, 0, true}}},
      {"normal FORMTITLE has no contour", kTitle, false, true,
       {{kRect, kFormat, 0x7F7F7F, 0, true}}},
      {"disabled: 40 percent text over the section colour", kButton, false, false,
       {{kRect, kFormat, 0x909090, 0, true}}},
      {"disabled ignores hot and the contour", kTitle, true, false,
       {{kRect, kFormat, LerpColors(0x7F7F7F, 0xF0F0F0, 0.4), 0, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform_.draws.clear();
    TextCanvas canvas(nullptr, platform_);
    DrawSectionText(canvas, L"Caption", c.enabled, kRect, kFormat, c.section, c.hot, &Manager());
    EXPECT_EQ(platform_.draws, c.expected);
  }
  EXPECT_EQ(platform_.saves, 0);  // the caller's clipping stays as it is
}

TEST_F(SkinText, SectionTextWithoutSectionOrTextDrawsNothing) {
  TextCanvas canvas(nullptr, platform_);
  DrawSectionText(canvas, L"Caption", true, kRect, kFormat, -1, false, &Manager());
  DrawSectionText(canvas, L"Caption", true, kRect, kFormat, 99, false, &Manager());
  DrawSectionText(canvas, L"", true, kRect, kFormat, kGlobal, false, &Manager());
  WriteSectionText(canvas, L"", false, kRect, kFormat, kGlobal, false, nullptr);
  EXPECT_TRUE(platform_.draws.empty());
  // nullptr means PrimaryManager, which this test's manager is.
  ASSERT_EQ(TsSkinManager::PrimaryManager(), &Manager());
  WriteSectionText(canvas, L"x", true, kRect, kFormat, kWeb, false, nullptr);
  EXPECT_EQ(platform_.draws.size(), 1u);
}

// A control with skin state, as the skinned controls carry it.
template <typename Base>
class Skinned : public Base {
 public:
  Skinned(TWinControl* parent, const wchar_t* section, int kind = 0)
      : Base(parent), Data(this, true) {
    this->SetParent(parent);
    this->SetBounds(5, 5, 100, 30);
    Data.ControlKind = kind;
    Data.SetSkinSection(section);
    Data.ResolveIndexes();
  }
  TsCommonData Data;

 protected:
  void WndProc(Message& m) override {
    if (Data.HandleMessage(m)) return;
    Base::WndProc(m);
  }
};
using SkinnedButton = Skinned<TWinControl>;
using SkinnedPanel = Skinned<TPanel>;
using SkinnedGraphic = Skinned<TGraphicControl>;

TEST_F(SkinText, ControlTextColoursAndFont) {
  auto* button = new SkinnedButton(form_, L"BUTTON");
  button->Font().SetColor(0x0000FF);
  struct Case {
    const char* what;
    const wchar_t* section;
    bool hot, enabled, customFont;
    std::vector<Drawn> expected;
  } cases[] = {
      {"no contour: one draw, not clipped", L"WEBBUTTON", false, true, false,
       {{kRect, kFormat | DT_NOCLIP, 0xB06F1F, 0, true}}},
      {"hot WEBBUTTON is underlined", L"WEBBUTTON", true, true, false,
       {{kRect, kFormat | DT_NOCLIP, 0xD8840A, fsUnderline, true}}},
      {"GLOBALINFO contour keeps the format, the text adds DT_NOCLIP", L"GLOBALINFO", false,
       true, false,
       {{Shift(-1, 0), kFormat, 0xFFFFFF, 0, true},
        {kRect, kFormat | DT_NOCLIP, 0x1E1E1E, 0, true}}},
      {"custom font: no contour, own colour", L"GLOBALINFO", false, true, true,
       {{kRect, kFormat | DT_NOCLIP, 0x0000FF, 0, true}}},
      {"disabled over the global colour F0F0F0", L"BUTTON", false, false, false,
       {{kRect, kFormat, 0x909090, 0, true}}},
      {"disabled custom font is dimmed all the same", L"BUTTON", true, false, true,
       {{kRect, kFormat, 0x909090, 0, true}}},
      {"unknown section: the font's own colour", L"NOSUCHSECTION", false, true, false,
       {{kRect, kFormat | DT_NOCLIP, 0x0000FF, 0, true}}},
      {"unknown section, disabled: the font's own colour", L"NOSUCHSECTION", false, false,
       false, {{kRect, kFormat, 0x0000FF, 0, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    button->Data.SetSkinSection(c.section);
    button->Data.ResolveIndexes();
    button->Data.SetCustomFont(c.customFont);
    platform_.draws.clear();
    platform_.clips.clear();
    TextCanvas canvas(nullptr, platform_);
    DrawControlText(canvas, L"Caption", c.enabled, kRect, kFormat, button->Data, c.hot);
    EXPECT_EQ(platform_.draws, c.expected);
    ASSERT_EQ(platform_.clips.size(), 1u);
    EXPECT_TRUE(EqualRect(&platform_.clips[0], &kRect));
    EXPECT_EQ(platform_.saves, platform_.restores);
  }
  // Empty text: the DC is still saved, clipped and restored; nothing drawn.
  platform_.draws.clear();
  TextCanvas canvas(nullptr, platform_);
  DrawControlText(canvas, L"", true, kRect, kFormat, button->Data, false, 7);
  EXPECT_TRUE(platform_.draws.empty());
  EXPECT_EQ(platform_.saves, platform_.restores);
}

TEST_F(SkinText, TransparentControlsBorrowTheirParentsColours) {
  // check box (own section fully transparent) on a panel on the form.
  auto* outer = new SkinnedPanel(form_, L"GLOBALINFO");
  auto* panel = new SkinnedPanel(outer, L"PANEL");
  auto* box = new SkinnedButton(panel, L"CHECKBOX", 32);
  auto* label = new SkinnedGraphic(panel, L"CHECKBOX");
  auto* edit = new SkinnedButton(panel, L"CHECKBOX", 2);
  form_->Show();
  struct Case {
    const char* what;
    int panelTransparency;
    bool panelGivesFont, globalGivesFont, parentFont;
    TsCommonData* data;
    TColor expectedFont;
  } cases[] = {
      {"panel gives its font", 0, true, false, true, &box->Data, 0x222222},
      {"panel keeps its font to itself", 0, false, false, true, &box->Data, 0x111111},
      {"a graphic control borrows too", 0, true, false, true, &label->Data, 0x222222},
      {"an edit kind never borrows", 0, true, false, true, &edit->Data, 0x111111},
      {"own font: no borrowing", 0, true, false, false, &box->Data, 0x111111},
      {"60 percent transparent panel: its parent is asked", 60, true, true, true, &box->Data,
       0x1E1E1E},
      {"...and the climb ends there without GiveOwnFont", 60, true, false, true, &box->Data,
       0x111111},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SectionAt(kPanel).Transparency = c.panelTransparency;
    SectionAt(kPanel).GiveOwnFont = c.panelGivesFont;
    SectionAt(kGlobal).GiveOwnFont = c.globalGivesFont;
    c.data->HostControl()->ParentFont = c.parentFont;
    platform_.draws.clear();
    TextCanvas canvas(nullptr, platform_);
    DrawControlText(canvas, L"Caption", true, kRect, kFormat, *c.data, false);
    ASSERT_FALSE(platform_.draws.empty());
    EXPECT_EQ(platform_.draws.back().color, c.expectedFont);
    // The contour comes from the same section as the font colour.
    EXPECT_EQ(platform_.draws.size(), c.expectedFont == 0x111111 ? 1u : 2u);
  }
  EXPECT_EQ(FontSectionFromParent(nullptr, 4, &Manager()), 4);
  EXPECT_EQ(FontSectionFromParent(form_, 4, &Manager()), 4);  // no parent
}

TEST_F(SkinText, RealDrawStaysInsideItsRectangleAndRestoresTheDC) {
  TBitmap bitmap(120, 40);
  bitmap.Pixels().Fill(0xFFFFFF);
  auto* button = new SkinnedButton(form_, L"FORMTITLE");
  button->Font().SetHeight(-20);
  HDC dc = bitmap.DC();
  RECT before;
  GetClipBox(dc, &before);
  TextCanvas canvas(dc);
  const RECT rect{20, 5, 60, 35};
  DrawControlText(canvas, L"MMMMMMMM", true, rect, DT_SINGLELINE | DT_VCENTER, button->Data, true);
  GdiFlush();
  RECT after;
  GetClipBox(dc, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  int inside = 0, outside = 0, white = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const TColor c = bitmap.Pixels().GetColor(x, y);
      if (c == 0xFFFFFF) {
        ++white;
        continue;
      }
      const bool in = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
      (in ? inside : outside)++;
    }
  EXPECT_GT(inside, 20);  // contour and text were drawn ...
  EXPECT_EQ(outside, 0);  // ... clipped to the rectangle
}

TEST_F(SkinText, EllipsisInTheCanvasFont) {
  TextCanvas canvas(nullptr, platform_);  // 6 pixels a character
  EXPECT_EQ(FitTextWithEllipsis(canvas, L"Folder customization", 0), L"");
  EXPECT_EQ(FitTextWithEllipsis(canvas, L"Folder", 36), L"Folder");
  EXPECT_EQ(FitTextWithEllipsis(canvas, L"Folder customization", 60), L"Folder ...");
  EXPECT_EQ(FitTextWithEllipsis(canvas, L"Folder", 23), L"");  // "F..." is 24
  TBitmap bitmap(10, 10);
  TextCanvas real(bitmap.DC());
  const std::wstring fitted = FitTextWithEllipsis(real, L"A rather long folder name here", 80);
  ASSERT_GE(fitted.size(), 4u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), L"...");
  EXPECT_LE(TextWidth(real, fitted), 80);
}

}  // namespace
}  // namespace folvane
