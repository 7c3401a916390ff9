// The skinned bit button under the internal skin, driven by real mouse
// input: what the window shows against the face the engine painted, the
// window region of rounded corners, one click per click, the pressed flash
// of a quick click, hints while held, and fades that never outlive the
// button.
#include "controls/win/sBitBtn.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win/FrmMain.h"
#include "paint/PaintColor.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/Resources.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"

namespace folvane {
namespace {

using testing::Pump;

template <typename F>
bool PumpUntil(F done, int ms = 2000) {
  for (int waited = 0; waited < ms; waited += 10) {
    if (done()) return true;
    Pump(10);
  }
  return done();
}

void SendKey(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof(in));
}

void SendMouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(in));
}

// Moves the real pointer to a client point of a window.
void PointAt(HWND wnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(wnd, &p);
  SetCursorPos(p.x, p.y);
  Pump(30);
}

// The window's pixels as the screen shows them.
PixelBuffer WindowPixels(HWND wnd) {
  RECT r;
  GetClientRect(wnd, &r);
  TBitmap shot(r.right, r.bottom, PixelFormat::Bgr24);
  {
    WindowDC dc(wnd);
    BitBlt(shot.DC(), 0, 0, r.right, r.bottom, dc.Get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  return shot.Pixels().Clone();
}

// Pixels inside the window region that differ from the cache.
int Mismatches(TsBitBtn& button) {
  const PixelBuffer shown = WindowPixels(button.Handle());
  const TBitmap* cache = button.SkinData.CacheBitmap();
  if (!cache || cache->Width() != shown.Width() || cache->Height() != shown.Height()) return -1;
  RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  const bool hasRegion = GetWindowRgn(button.Handle(), region.Get()) != ERROR;
  int differ = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if ((!hasRegion || PtInRegion(region.Get(), x, y)) &&
          shown.GetColor(x, y) != cache->Pixels().GetColor(x, y))
        ++differ;
  return differ;
}

// A form of the application with the internal skin and buttons on it.
class SkinnedButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = new TForm(Application);
    form_->SetBounds(100, 100, 360, 160);
    manager_ = new TsSkinManager(form_);
    TsStoredSkin ambrel;
    ambrel.Name = u"Ambrel (internal)";
    ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
    manager_->SetInternalSkins({ambrel});
    manager_->SetSkinName(L"Ambrel (internal)");
    first_ = MakeButton(L"First", 10, 20);
    second_ = MakeButton(L"Second", 100, 20);
    second_->SetGlyph(TBitmap::FromResource(L"GLYPH_APPLY"));
    edit_ = new TEdit(form_);
    edit_->SetParent(form_);
    edit_->SetBounds(200, 20, 100, 21);
    form_->Show();
    edit_->SetFocus();  // no button starts hot by having the focus
    PointAt(form_->Handle(), 300, 120);
    Pump(50);
  }
  void TearDown() override {
    delete form_;
    Pump();
  }
  TsBitBtn* MakeButton(const wchar_t* caption, int left, int top) {
    auto* button = new TsBitBtn(form_);
    button->SetParent(form_);
    button->SetBounds(left, top, 75, 41);
    button->SetCaption(caption);
    button->Loaded();
    button->OnClick = [this](TControl* sender) { clicks_.push_back(sender); };
    return button;
  }
  bool Settled(TsBitBtn* b) const { return !b->Fade(); }

  TForm* form_ = nullptr;
  TsSkinManager* manager_ = nullptr;
  TsBitBtn* first_ = nullptr;
  TsBitBtn* second_ = nullptr;
  TEdit* edit_ = nullptr;
  std::vector<TControl*> clicks_;
};

TEST_F(SkinnedButtons, EveryStateShowsTheFaceTheEnginePainted) {
  TsBitBtn& b = *second_;
  ASSERT_TRUE(b.SkinData.IsSkinned());
  struct Seen {
    const char* what;
    int state;
    PixelBuffer face;
  };
  std::vector<Seen> seen;
  auto look = [&](const char* what, int state) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(PumpUntil([&] { return Settled(&b); }));
    Pump(30);
    EXPECT_EQ(b.PaintState(), state);
    EXPECT_EQ(Mismatches(b), 0);
    seen.push_back({what, state, b.SkinData.CacheBitmap()->Pixels().Clone()});
  };
  look("normal", 0);
  PointAt(form_->Handle(), 130, 40);
  look("hot", 1);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(30);
  look("pressed", 2);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(30);
  ASSERT_EQ(clicks_.size(), 1u);
  EXPECT_EQ(clicks_[0], &b);
  PointAt(form_->Handle(), 300, 120);
  edit_->SetFocus();
  look("normal again", 0);
  b.SetFocus();
  Pump(30);
  look("focused", 1);
  edit_->SetFocus();
  b.SetEnabled(false);
  look("disabled", 0);

  auto differs = [&](size_t a, size_t c) {
    const PixelBuffer &x = seen[a].face, &y = seen[c].face;
    for (int j = 0; j < x.Height(); ++j)
      for (int i = 0; i < x.Width(); ++i)
        if (x.GetColor(i, j) != y.GetColor(i, j)) return true;
    return false;
  };
  EXPECT_TRUE(differs(0, 1));  // the skin's three frames differ
  EXPECT_TRUE(differs(1, 2));
  EXPECT_TRUE(differs(0, 2));
  EXPECT_FALSE(differs(0, 3));  // back where it started
  EXPECT_TRUE(differs(1, 4));   // hot and focused: the focus frame
  EXPECT_TRUE(differs(0, 5));   // disabled
}

TEST_F(SkinnedButtons, OneClickPerClickByMouseSpaceAndEnter) {
  PointAt(form_->Handle(), 40, 40);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(50);
  EXPECT_EQ(clicks_.size(), 1u);

  clicks_.clear();
  first_->SetFocus();
  SendKey(VK_SPACE, false);
  Pump(30);
  EXPECT_EQ(first_->PaintState(), 2);  // held down by the key
  SendKey(VK_SPACE, true);
  Pump(30);
  EXPECT_EQ(clicks_.size(), 1u);

  clicks_.clear();
  SendKey(VK_RETURN, false);
  SendKey(VK_RETURN, true);
  Pump(30);
  EXPECT_EQ(clicks_.size(), 1u);

  // Enter in a field clicks the default button once; without one, nothing.
  clicks_.clear();
  edit_->SetFocus();
  testing::PressKey(edit_->Handle(), VK_RETURN);
  EXPECT_TRUE(clicks_.empty());
  second_->Default = true;
  testing::PressKey(edit_->Handle(), VK_RETURN);
  ASSERT_EQ(clicks_.size(), 1u);
  EXPECT_EQ(clicks_[0], second_);
}

TEST_F(SkinnedButtons, QuickClickShowsThePressedLook) {
  std::vector<int> states;
  first_->OnPaint = [&](TControl*, TBitmap&) { states.push_back(first_->PaintState()); };
  PointAt(form_->Handle(), 40, 40);
  ASSERT_TRUE(PumpUntil([&] { return Settled(first_); }));
  SendMessageW(first_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  ASSERT_TRUE(first_->Fade());  // the press fades in
  states.clear();
  SendMessageW(first_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  ASSERT_GE(states.size(), 2u);
  EXPECT_EQ(states.front(), 2);  // shown pressed at once, before the release
  EXPECT_EQ(states.back(), 1);   // then the release fades to hot
  EXPECT_EQ(clicks_.size(), 1u);
  EXPECT_TRUE(PumpUntil([&] { return Settled(first_); }));
}

TEST_F(SkinnedButtons, HintsComeBackWhenTheCaptureIsLost) {
  ASSERT_TRUE(Application->ShowHint());
  PointAt(form_->Handle(), 40, 40);
  SendMessageW(first_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_FALSE(Application->ShowHint());
  SetCapture(form_->Handle());  // another window takes the mouse
  ReleaseCapture();
  EXPECT_TRUE(Application->ShowHint());
  EXPECT_EQ(first_->PaintState(), 1);
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(SkinnedButtons, AFadeNeverOutlivesItsButton) {
  const long timers = HandleCount::Live(HandleKind::Timer);
  auto startFade = [&](TsBitBtn* b) {
    PointAt(form_->Handle(), b->Left() + 30, b->Top() + 20);
    return b->Fade() != nullptr;
  };
  ASSERT_TRUE(startFade(first_));
  first_->SetEnabled(false);
  EXPECT_FALSE(first_->Fade());
  ASSERT_TRUE(startFade(second_));
  manager_->RefreshAllWindows();
  EXPECT_FALSE(second_->Fade());
  PointAt(form_->Handle(), 300, 120);
  ASSERT_TRUE(second_->Fade());
  delete second_;
  second_ = nullptr;
  EXPECT_EQ(HandleCount::Live(HandleKind::Timer), timers);
  Pump(50);
}

TEST_F(SkinnedButtons, NoHandlesLeftAfterManyCyclesAndRefreshes) {
  // Presses show at once, so no cycle waits for the pressed flash.
  first_->AnimatEvents = aeMouseEnter | aeMouseLeave | aeMouseUp;
  PumpUntil([&] { return Settled(first_); });
  const HandleCount::Snapshot before = HandleCount::Take();
  const HWND wnd = first_->Handle();
  for (int i = 0; i < 200; ++i) {
    first_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);
    if (i % 20 == 0) Pump();
  }
  for (int i = 0; i < 20; ++i) {
    manager_->RefreshAllWindows();
    Pump();
  }
  EXPECT_TRUE(PumpUntil([&] { return Settled(first_); }));
  EXPECT_EQ(clicks_.size(), 200u);
  EXPECT_EQ(HandleCount::Take(), before);
}

TEST_F(SkinnedButtons, ImageListGlyphIsConvertedOnlyWithoutASkin) {
  TImageList images(form_, 16, 16);
  TBitmap picture(16, 16, PixelFormat::Bgra32);
  picture.Pixels().Fill(0x00C000, 0xFF);  // opaque green
  ASSERT_EQ(images.Add(picture), 0);
  TsBitBtn& b = *first_;
  manager_->SetActive(false);
  b.SetImages(&images);
  b.SetImageIndex(0);
  // The platform draws a glyph: the picture and its disabled look.
  EXPECT_EQ(b.NumGlyphs(), 2);
  EXPECT_EQ(b.Glyph().Width(), 32);
  EXPECT_EQ(b.Glyph().Pixels().GetColor(8, 8), 0x00C000u);
  EXPECT_NE(b.Glyph().Pixels().GetColor(24, 8), 0x00C000u);
  manager_->SetActive(true);
  Pump(20);
  EXPECT_TRUE(b.Glyph().Empty());  // the skin draws the list's picture itself
  form_->Repaint();
  const RECT g = b.GlyphRectangle();
  EXPECT_EQ(g.right - g.left, 16);
  EXPECT_EQ(b.SkinData.CacheBitmap()->Pixels().GetColor(g.left + 8, g.top + 8), 0x00C000u);
}

// The five buttons of the main window: rounded corners cut out of their
// windows, rectangles again when the skin goes.
TEST(MainWindowButtons, RegionsFollowTheBorderCorners) {
  auto* form = new TForm1(Application);
  form->Show();
  Pump(50);
  const SkinModel& model = form->sSkinManager1->Model();
  TsBitBtn* buttons[] = {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3, form->sBitBtn4,
                         form->sBitBtn5};
  for (TsBitBtn* b : buttons) {
    SCOPED_TRACE(std::string(b->Name.begin(), b->Name.end()));
    ASSERT_TRUE(b->SkinData.IsSkinned());
    // The key pixels of the border's corner blocks, counted from the picture.
    const TsMaskData* mask = model.Mask(b->SkinData.FrameMaskIndex);
    ASSERT_TRUE(mask);
    const int frameW = mask->Width() / mask->ImageCount;
    const int frameH = mask->Height() / (mask->MaskType + 1);
    const int wl = model.SliceWidthLeft(b->SkinData.FrameMaskIndex);
    const int wr = model.SliceWidthRight(b->SkinData.FrameMaskIndex);
    const int wt = model.SliceWidthTop(b->SkinData.FrameMaskIndex);
    const int wb = model.SliceWidthBottom(b->SkinData.FrameMaskIndex);
    const PixelBuffer& master = model.MasterBitmap();
    const int state = b->PaintState();
    auto keyAt = [&](int fx, int fy) {
      return master.GetColor(mask->Left + state * frameW + fx, mask->Top + fy) == KeyColor;
    };
    int holes = 0;
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(b->Handle(), region.Get()), ERROR);
    for (int y = 0; y < b->Height(); ++y) {
      for (int x = 0; x < b->Width(); ++x) {
        const bool left = x < wl, right = x >= b->Width() - wr;
        const bool top = y < wt, bottom = y >= b->Height() - wb;
        bool key = false;
        if ((left || right) && (top || bottom)) {
          const int fx = left ? x : frameW - (b->Width() - x);
          const int fy = top ? y : frameH - (b->Height() - y);
          key = keyAt(fx, fy);
        }
        holes += key;
        EXPECT_EQ(PtInRegion(region.Get(), x, y) != 0, !key) << x << ", " << y;
      }
    }
    EXPECT_GT(holes, 0);  // the internal skin's buttons are rounded
  }
  form->sSkinManager1->SetActive(false);
  Pump(20);
  for (TsBitBtn* b : buttons) {
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(b->Handle(), region.Get()), ERROR);  // no region: the rectangle
  }
  delete form;
  Pump();
}

TEST(MainWindowButtons, HotAndPressedWindowsShowTheirFaces) {
  auto* form = new TForm1(Application);
  form->Show();
  form->HintEdt->SetFocus();
  Pump(50);
  int clicks = 0;
  for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3, form->sBitBtn4,
                      form->sBitBtn5}) {
    SCOPED_TRACE(std::string(b->Name.begin(), b->Name.end()));
    b->OnClick = [&](TControl*) { ++clicks; };
    PointAt(b->Handle(), b->Width() / 2, b->Height() / 2);
    EXPECT_TRUE(PumpUntil([&] { return !b->Fade(); }));
    Pump(20);
    EXPECT_EQ(b->PaintState(), 1);
    EXPECT_EQ(Mismatches(*b), 0);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(20);
    EXPECT_TRUE(PumpUntil([&] { return !b->Fade(); }));
    Pump(20);
    EXPECT_EQ(b->PaintState(), 2);
    EXPECT_EQ(Mismatches(*b), 0);
    // Released away from the button: raised again, and no click.
    PointAt(form->Handle(), 200, 5);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(20);
    form->HintEdt->SetFocus();
    EXPECT_TRUE(PumpUntil([&] { return !b->Fade(); }));
    Pump(20);
    EXPECT_EQ(b->PaintState(), 0);
    EXPECT_EQ(Mismatches(*b), 0);
  }
  EXPECT_EQ(clicks, 0);
  delete form;
  Pump();
}

TEST(MainWindowButtons, EnterInAFieldClicksNothing) {
  auto* form = new TForm1(Application);
  form->Show();
  Pump(50);
  int clicks = 0;
  for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3, form->sBitBtn4,
                      form->sBitBtn5})
    b->OnClick = [&](TControl*) { ++clicks; };
  form->HintEdt->SetFocus();
  testing::PressKey(form->HintEdt->Handle(), VK_RETURN);
  EXPECT_EQ(clicks, 0);
  delete form;
  Pump();
}

}  // namespace
}  // namespace folvane
