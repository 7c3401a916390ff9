// Window adapters on raw child windows made with CreateWindowEx on a plain
// form: every kind paints its window from its image, check boxes show the
// skin's glyphs, and adapters come and go with their windows without
// leaking or outliving them.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "forms/gui/AdapterTestSkin.h"
#include "forms/win/vtAdapterFactory.h"
#include "forms/win/vtCheckBoxWnd.h"
#include "forms/win/vtPanelWnd.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/HandleCount.h"
#include "skin/win/SkinCommands.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class RawAdapters : public test::NoHandleLeaks {
 protected:
  void SetUp() override {
    NoHandleLeaks::SetUp();
    manager_ = std::make_unique<AdapterSkinManager>();
    form_ = ShownTestForm();
  }
  void TearDown() override {
    adapters_.clear();
    delete form_;
    manager_.reset();
    Pump();
    NoHandleLeaks::TearDown();
  }

  // A raw window and its adapter: by the dialog choice table, or of the
  // kind given (status bars are not in the table).
  HWND Add(const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, DWORD exStyle = 0,
           AdapterKind kind = AdapterKind::None, const wchar_t* section = L"") {
    HWND wnd = RawChild(form_->Handle(), cls, text, style, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, exStyle);
    AdapterPtr adapter = kind == AdapterKind::None
                             ? AdaptRawWindow(wnd)
                             : CreateWindowAdapter(kind, wnd, section, nullptr, nullptr);
    EXPECT_TRUE(adapter) << "no adapter";
    if (adapter) adapters_.push_back(std::move(adapter));
    return wnd;
  }
  TvtMainWnd* Last() const { return adapters_.back().get(); }
  static TBitmap& ImageOf(TvtMainWnd* adapter) { return *adapter->SkinData()->CacheBitmap(); }

  std::unique_ptr<AdapterSkinManager> manager_;
  TForm* form_ = nullptr;
  std::vector<AdapterPtr> adapters_;
};

TEST_F(RawAdapters, EachWindowShowsItsImageOverItsSectionColour) {
  struct Case {
    const wchar_t* cls;
    const wchar_t* text;
    DWORD style;
    RECT bounds;
    TColor face;  // the section's colour, away from text and glyphs
    POINT sample;
  };
  const Case cases[] = {
      {L"BUTTON", L"Push", BS_PUSHBUTTON, {10, 10, 90, 35}, kButton, {3, 3}},
      {L"BUTTON", L"Default", BS_DEFPUSHBUTTON, {100, 10, 180, 35}, kButtonHot, {3, 3}},
      {L"BUTTON", L"Check", BS_AUTOCHECKBOX, {10, 45, 120, 65}, kCheckBox, {100, 2}},
      {L"BUTTON", L"Group", BS_GROUPBOX, {200, 10, 330, 110}, kGroupBox, {60, 50}},
      {L"STATIC", L"Static text", SS_LEFT, {10, 75, 150, 95}, kCheckBox, {130, 15}},
      {L"STATIC", L"Simple", SS_SIMPLE, {10, 100, 150, 118}, kCheckBox, {130, 10}},
      {STATUSCLASSNAMEW, L"", CCS_NOPARENTALIGN | CCS_NORESIZE, {10, 250, 400, 272}, kStatusBar,
       {200, 10}},
  };
  std::vector<std::pair<TvtMainWnd*, const Case*>> made;
  for (const Case& c : cases) {
    const bool bar = c.cls == std::wstring(STATUSCLASSNAMEW);
    HWND wnd = Add(c.cls, c.text, c.style, c.bounds, 0,
                   bar ? AdapterKind::StatusBar : AdapterKind::None, L"STATUSBAR");
    if (bar) SendMessageW(wnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    made.emplace_back(Last(), &c);
  }
  Pump(150);
  for (const auto& [adapter, c] : made) {
    SCOPED_TRACE(::testing::Message() << "window at " << c->bounds.left << "," << c->bounds.top);
    TBitmap& image = ImageOf(adapter);
    ASSERT_FALSE(image.Empty());
    EXPECT_EQ(image.Width(), c->bounds.right - c->bounds.left);
    EXPECT_EQ(image.Pixels().GetColor(c->sample.x, c->sample.y) & 0xFFFFFF, c->face);
    const TBitmap shown = CaptureWindow(adapter->Handle());
    EXPECT_EQ(DifferentPixels(shown.Pixels(), image.Pixels()), 0);
    EXPECT_TRUE(IsSkinned(adapter->Handle()));
    // Every one of them shows its text (a simple static too).
    if (*c->text) {
      int textPixels = 0;
      for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
          textPixels += (image.Pixels().GetColor(x, y) & 0xFFFFFF) == 0;
      EXPECT_GT(textPixels, 10);
    }
  }
}

TEST_F(RawAdapters, AnEditShowsItsFrameFromTheImageAndItsClientInTheSectionColour) {
  HWND edit = Add(L"EDIT", L"", ES_AUTOHSCROLL, {20, 20, 220, 44}, WS_EX_CLIENTEDGE);
  Pump(100);
  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump(50);
  TBitmap& image = ImageOf(Last());
  const TBitmap shown = CaptureWindow(edit);
  RECT client{};
  GetClientRect(edit, &client);
  OffsetRect(&client, 2, 2);  // the client edge
  EXPECT_EQ(DifferentPixels(shown.Pixels(), image.Pixels(), {}, client), 0);
  EXPECT_EQ(image.Pixels().GetColor(0, 1) & 0xFFFFFF, kFrame);
  EXPECT_EQ(shown.Pixels().GetColor(100, 12) & 0xFFFFFF, kEdit);
  // The frame's see-through corner shows the form.
  EXPECT_NE(image.Pixels().GetColor(0, 0) & 0xFFFFFF, kFrame);
}

TEST_F(RawAdapters, CheckBoxesShowTheSkinGlyphForTheirState) {
  struct Case {
    DWORD style;
    WPARAM check;
    const char* glyph;
  };
  const Case cases[] = {
      {BS_AUTO3STATE, BST_UNCHECKED, "BOXUNCHECKED"},
      {BS_AUTO3STATE, BST_CHECKED, "BOXCHECKED"},
      {BS_AUTO3STATE, BST_INDETERMINATE, "BOXGRAYED"},
      {BS_AUTORADIOBUTTON, BST_UNCHECKED, "RADIOUNCHECKED"},
      {BS_AUTORADIOBUTTON, BST_CHECKED, "RADIOCHECKED"},
  };
  int top = 10;
  std::vector<std::pair<HWND, const Case*>> boxes;
  for (const Case& c : cases) {
    HWND wnd = Add(L"BUTTON", L"Option", c.style | WS_GROUP, {10, top, 150, top + 20});
    SendMessageW(wnd, BM_SETCHECK, c.check, 0);
    boxes.emplace_back(wnd, &c);
    top += 25;
  }
  Pump(100);
  for (const auto& [wnd, c] : boxes) {
    SCOPED_TRACE(c->glyph);
    auto* adapter = static_cast<TvtCheckBoxWnd*>(AdapterOf(wnd));
    ASSERT_NE(adapter, nullptr);
    EXPECT_STREQ(adapter->GlyphName(), c->glyph);
    const TBitmap shown = CaptureWindow(wnd);
    const int glyphTop = (20 - kGlyph) / 2;
    EXPECT_EQ(shown.Pixels().GetColor(kGlyph / 2, glyphTop + kGlyph / 2) & 0xFFFFFF,
              GlyphColorOf(c->glyph));
    EXPECT_EQ(DifferentPixels(shown.Pixels(), ImageOf(adapter).Pixels()), 0);
  }
  // A box checked later shows the new glyph at once.
  HWND first = boxes.front().first;
  SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
  Pump(50);
  EXPECT_EQ(CaptureWindow(first).Pixels().GetColor(kGlyph / 2, 3 + kGlyph / 2) & 0xFFFFFF,
            GlyphColorOf("BOXCHECKED"));
}

TEST_F(RawAdapters, ButtonsLookPressedHotAndDisabled) {
  HWND button = Add(L"BUTTON", L"Press", BS_PUSHBUTTON, {10, 10, 90, 35});
  TvtMainWnd* adapter = Last();
  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  Pump(30);
  EXPECT_EQ(ImageOf(adapter).Pixels().GetColor(3, 3) & 0xFFFFFF, kButtonHot);
  SendMessageW(button, BM_SETSTATE, FALSE, 0);
  Pump(30);
  EXPECT_EQ(ImageOf(adapter).Pixels().GetColor(3, 3) & 0xFFFFFF, kButton);

  // Hot while the cursor is over it, not after it left.
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Pump(30);
  EXPECT_EQ((*manager_)->HotWindow(), button);
  EXPECT_EQ(ImageOf(adapter).Pixels().GetColor(3, 3) & 0xFFFFFF, kButtonHot);
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  Pump(30);
  EXPECT_EQ((*manager_)->HotWindow(), nullptr);
  EXPECT_EQ(ImageOf(adapter).Pixels().GetColor(3, 3) & 0xFFFFFF, kButton);

  // Disabled: 40 % of the face over 60 % of the form behind it.
  EnableWindow(button, FALSE);
  Pump(30);
  const COLORREF form = GetSysColor(COLOR_BTNFACE);
  auto mix = [](int face, int behind) { return static_cast<TColor>(0.6 * behind + 0.4 * face + 0.5); };
  const TColor expected = mix(0xFF, GetRValue(form)) | mix(0, GetGValue(form)) << 8 |
                          mix(0, GetBValue(form)) << 16;
  EXPECT_EQ(ImageOf(adapter).Pixels().GetColor(3, 3) & 0xFFFFFF, expected);
  EXPECT_EQ(DifferentPixels(CaptureWindow(button).Pixels(), ImageOf(adapter).Pixels()), 0);
}

TEST_F(RawAdapters, ReleaseGivesTheWindowItsProcedureBack) {
  HWND button = Add(L"BUTTON", L"Back", BS_PUSHBUTTON, {10, 10, 90, 35});
  const auto adapted = GetWindowLongPtrW(button, GWLP_WNDPROC);
  const long subclasses = HandleCount::Live(HandleKind::Subclass);
  adapters_.clear();
  EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), adapted);
  EXPECT_EQ(HandleCount::Live(HandleKind::Subclass), subclasses - 1);
  EXPECT_EQ(AdapterOf(button), nullptr);
  EXPECT_FALSE(IsSkinned(button));
  DestroyWindow(button);
}

// A window that destroys itself from inside one of its messages, while its
// owner frees the adapter from inside the destruction.
std::function<void()> g_onDestroy;

LRESULT CALLBACK SelfClosingProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) {
    DestroyWindow(wnd);
    return 1;
  }
  if (msg == WM_DESTROY && g_onDestroy) g_onDestroy();
  return DefWindowProcW(wnd, msg, wp, lp);
}

class CountingAdapter : public TvtMainWnd {
 public:
  CountingAdapter(HWND wnd, int& detached, int& deleted)
      : TvtMainWnd(wnd, false, L"CHECKBOX", nullptr, nullptr), detached_(detached), deleted_(deleted) {}
  ~CountingAdapter() override { ++deleted_; }

 protected:
  void OnDetach() override { ++detached_; }

 private:
  int& detached_;
  int& deleted_;
};

TEST_F(RawAdapters, AWindowClosingItselfReleasesItsAdapterOnce) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = SelfClosingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"FolvaneSelfClosing";
  RegisterClassW(&wc);
  const long subclasses = HandleCount::Live(HandleKind::Subclass);
  for (bool ownerFreesInside : {false, true}) {
    SCOPED_TRACE(ownerFreesInside);
    HWND wnd = RawChild(form_->Handle(), L"FolvaneSelfClosing", L"", 0, 5, 5, 40, 40);
    int detached = 0, deleted = 0;
    AdapterPtr adapter = TvtMainWnd::Attach<CountingAdapter>(wnd, detached, deleted);
    TvtMainWnd* raw = adapter.get();
    if (ownerFreesInside) g_onDestroy = [&] { adapter.reset(); };
    SendMessageW(wnd, WM_APP, 0, 0);
    g_onDestroy = nullptr;
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(detached, 1);
    if (!ownerFreesInside) {
      EXPECT_TRUE(raw->Released());
      EXPECT_EQ(deleted, 0);
      adapter.reset();
    }
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(detached, 1);
    EXPECT_EQ(HandleCount::Live(HandleKind::Subclass), subclasses);
  }
  UnregisterClassW(L"FolvaneSelfClosing", GetModuleHandleW(nullptr));
}

TEST_F(RawAdapters, HandleCountsStayOverManyAdaptedWindows) {
  const struct {
    const wchar_t* cls;
    DWORD style;
    DWORD exStyle;
  } kinds[] = {{L"BUTTON", BS_PUSHBUTTON, 0},
               {L"BUTTON", BS_AUTOCHECKBOX, 0},
               {L"STATIC", SS_LEFT, 0},
               {L"EDIT", 0, WS_EX_CLIENTEDGE}};
  const auto before = HandleCount::Take();
  for (int i = 0; i < 200; ++i) {
    const auto& kind = kinds[i % 4];
    HWND wnd = Add(kind.cls, L"Cycle", kind.style, {10, 10, 90, 32}, kind.exStyle);
    UpdateWindow(wnd);
    // Every other adapter goes before its window, the rest after it.
    if ((i / 4) % 2) adapters_.clear();
    DestroyWindow(wnd);
    adapters_.clear();
  }
  Pump();
  EXPECT_EQ(HandleCount::Take(), before);
}

}  // namespace
