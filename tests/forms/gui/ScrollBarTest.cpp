// Skinned scroll bars on adapted list boxes and memos under the internal
// skin: whatever scrolls the window - wheel, keys, arrow and track presses
// with the real mouse, a thumb drag - the screen shows the bar the engine
// painted, never the system's; windows with bars come and go without
// leaving handles behind.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "forms/gui/AdapterTestSkin.h"
#include "forms/win/vtAdapterFactory.h"
#include "forms/win/vtScrollWnd.h"
#include "runtime/win/Resources.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

void SendMouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(in));
}

// The real pointer to a point in window coordinates.
void PointAtWindow(HWND wnd, POINT p) {
  RECT box{};
  GetWindowRect(wnd, &box);
  SetCursorPos(box.left + p.x, box.top + p.y);
  Pump(20);
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class SkinnedScrollBars : public test::NoHandleLeaks {
 protected:
  void SetUp() override {
    NoHandleLeaks::SetUp();
    manager_ = new TsSkinManager(nullptr);
    TsStoredSkin ambrel;
    ambrel.Name = u"Ambrel (internal)";
    ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
    manager_->SetInternalSkins({ambrel});
    manager_->SetSkinName(L"Ambrel (internal)");
    form_ = ShownTestForm(420, 300);
    SetCursorPos(0, 0);
  }
  void TearDown() override {
    SetCursorPos(0, 0);
    Pump(40);
    adapter_.reset();
    delete form_;
    delete manager_;
    Pump();
    NoHandleLeaks::TearDown();
  }

  HWND MakeList(int items = 100) {
    HWND wnd = RawChild(form_->Handle(), L"LISTBOX", L"",
                        WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | WS_BORDER, 10, 10, 180, 200);
    SendMessageW(wnd, LB_SETHORIZONTALEXTENT, 600, 0);
    // The list box repaints after every addition while it may redraw.
    SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < items; ++i)
      SendMessageW(wnd, LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>((L"Item number " + std::to_wstring(i)).c_str()));
    SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
    Adapt(wnd);
    return wnd;
  }
  void Adapt(HWND wnd) {
    adapter_ = AdaptRawWindow(wnd);
    ASSERT_TRUE(adapter_);
    Pump();
  }
  TvtScrollWnd* Bars() const { return ScrollBarsOf(adapter_->Handle()); }

  // Every shown bar on the screen equals the bar the engine paints.
  void ExpectSkinnedBars(const char* after, TvtScrollWnd* of = nullptr) {
    Pump(10);
    SCOPED_TRACE(after);
    TvtScrollWnd* bars = of ? of : Bars();
    ASSERT_TRUE(bars);
    const TBitmap shot = CaptureWindow(bars->Handle());
    int shown = 0;
    for (TvtScrollBar* bar : {bars->HorzBar.get(), bars->VertBar.get()}) {
      if (!bar->Shown) continue;
      ++shown;
      const RECT r = bars->BarRect(*bar);
      TBitmap painted = bars->BarImage(*bar);
      ASSERT_FALSE(painted.Empty());
      int differ = 0;
      for (int y = 0; y < painted.Height(); ++y)
        for (int x = 0; x < painted.Width(); ++x)
          differ += (shot.Pixels().GetColor(r.left + x, r.top + y) & 0xFFFFFF) !=
                    (painted.Pixels().GetColor(x, y) & 0xFFFFFF);
      EXPECT_EQ(differ, 0) << (bar->Vertical() ? "vertical" : "horizontal") << " bar";
    }
    EXPECT_GT(shown, 0);
  }
  int Pos(int which = SB_VERT) const { return GetScrollPos(adapter_->Handle(), which); }
  RECT VertBar() const { return Bars()->BarRect(*Bars()->VertBar); }

  TsSkinManager* manager_ = nullptr;
  TForm* form_ = nullptr;
  AdapterPtr adapter_;
};

TEST_F(SkinnedScrollBars, ListBoxKeepsItsSkinnedBarsWhateverScrollsIt) {
  HWND list = MakeList();
  ExpectSkinnedBars("attach");
  const int arrow = Bars()->ArrowLength(*Bars()->VertBar);

  SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_GT(Pos(), 0);
  ExpectSkinnedBars("wheel");

  int before = Pos();

  SendMessageW(list, LB_SETTOPINDEX, 40, 0);
  ExpectSkinnedBars("LB_SETTOPINDEX");

  // The second arrow, pressed and released at once: one line.
  before = Pos();
  const RECT bar = VertBar();
  PointAtWindow(list, {Centre(bar).x, bar.bottom - arrow / 2});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(30);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(30);
  EXPECT_EQ(Pos(), before + 1);
  ExpectSkinnedBars("arrow");

  // The track above the thumb: a page up.
  before = Pos();
  PointAtWindow(list, {Centre(bar).x, bar.top + arrow + 2});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(30);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(30);
  EXPECT_LT(Pos(), before);
  ExpectSkinnedBars("track");
}

TEST_F(SkinnedScrollBars, DraggingTheThumbScrollsToWhereItIsDropped) {
  HWND list = MakeList();
  TvtScrollBar& v = *Bars()->VertBar;
  const RECT bar = VertBar();
  const int length = bar.bottom - bar.top;
  const int arrow = Bars()->ArrowLength(v);
  const ThumbPlace thumb = PlaceThumb(length, arrow, v.MinThumb, v.Range());
  ASSERT_TRUE(thumb.Drawn);
  PointAtWindow(list, {Centre(bar).x, bar.top + thumb.Start + thumb.Size / 2});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(20);
  POINT p{};
  GetCursorPos(&p);
  SetCursorPos(p.x, p.y + 40);
  Pump(30);
  EXPECT_TRUE(Bars()->ThumbTracking);
  const int expected = DraggedPosition(thumb.Start - arrow + 40, length - 2 * arrow, thumb.Size, v.Range());
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), expected);
  ExpectSkinnedBars("drag");
  // Past the end of the track: the last page.
  SetCursorPos(p.x, p.y + 400);
  Pump(30);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(30);
  EXPECT_FALSE(Bars()->ThumbTracking);
  EXPECT_EQ(Pos(), v.Info.nMax - static_cast<int>(v.Info.nPage) + 1);
  ExpectSkinnedBars("drop");

  // The horizontal bar scrolls its own way.
  SendMessageW(list, WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_GT(Pos(SB_HORZ), 0);
  ExpectSkinnedBars("WM_HSCROLL");
}

TEST_F(SkinnedScrollBars, MemoKeepsItsSkinnedBarAsTextScrolls) {
  std::wstring text;
  for (int i = 0; i < 60; ++i) text += L"Line " + std::to_wstring(i) + L"\r\n";
  HWND memo = RawChild(form_->Handle(), L"EDIT", text.c_str(),
                       WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER, 200, 10, 180, 150);
  Adapt(memo);
  ExpectSkinnedBars("attach");
  SendMessageW(memo, EM_LINESCROLL, 0, 10);
  EXPECT_GT(Pos(), 0);
  ExpectSkinnedBars("EM_LINESCROLL");
  SendMessageW(memo, WM_VSCROLL, SB_PAGEDOWN, 0);
  ExpectSkinnedBars("WM_VSCROLL");
  SetForegroundWindow(form_->Handle());
  SetFocus(memo);
  const int before = Pos();
  SendMessageW(memo, WM_KEYDOWN, VK_NEXT, 1);
  SendMessageW(memo, WM_KEYUP, VK_NEXT, 0xC0000001);
  EXPECT_NE(Pos(), before);  // the caret page goes where the caret was
  ExpectSkinnedBars("keys");
  SendMessageW(memo, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  ExpectSkinnedBars("wheel");
}

HWND FillListView(HWND view) {
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH;
  col.cx = 100;
  col.pszText = const_cast<wchar_t*>(L"Name");
  SendMessageW(view, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
  for (int i = 0; i < 60; ++i) {
    std::wstring name = L"Row " + std::to_wstring(i);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = name.data();
    SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  return view;
}

HWND FillTree(HWND tree) {
  for (int i = 0; i < 60; ++i) {
    std::wstring name = L"Node " + std::to_wstring(i);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = name.data();
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
  }
  return tree;
}

TEST_F(SkinnedScrollBars, ListViewsAndTreeViewsKeepTheirSkinnedBars) {
  struct Case {
    const wchar_t* cls;
    DWORD style;
    HWND (*fill)(HWND);
  };
  const Case cases[] = {{WC_LISTVIEWW, LVS_REPORT, FillListView}, {WC_TREEVIEWW, TVS_HASLINES, FillTree}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::string(c.cls, c.cls + wcslen(c.cls)));
    HWND wnd = c.fill(RawChild(form_->Handle(), c.cls, L"", c.style | WS_VSCROLL, 10, 10, 200, 150,
                               WS_EX_CLIENTEDGE));
    Adapt(wnd);
    ExpectSkinnedBars("attach");
    SendMessageW(wnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(Pos(), 0);
    ExpectSkinnedBars("page down");
    SendMessageW(wnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    ExpectSkinnedBars("wheel");
    // A thumb dropped halfway takes the window halfway.
    TvtScrollBar& v = *Bars()->VertBar;
    const RECT bar = VertBar();
    const int arrow = Bars()->ArrowLength(v);
    const ThumbPlace thumb = PlaceThumb(bar.bottom - bar.top, arrow, v.MinThumb, v.Range());
    PointAtWindow(wnd, {Centre(bar).x, bar.top + thumb.Start + thumb.Size / 2});
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(20);
    PointAtWindow(wnd, {Centre(bar).x, Centre(bar).y});
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(30);
    const int half = (v.Info.nMax - v.Info.nMin + 1 - static_cast<int>(v.Info.nPage)) / 2;
    EXPECT_NEAR(Pos(), half, 3);
    ExpectSkinnedBars("thumb");
    if (c.cls == std::wstring(WC_LISTVIEWW)) {
      HWND header = reinterpret_cast<HWND>(SendMessageW(wnd, LVM_GETHEADER, 0, 0));
      EXPECT_TRUE(AdapterOf(header)) << "the header is skinned";
    }
    adapter_.reset();
    DestroyWindow(wnd);
  }
}

TEST_F(SkinnedScrollBars, ADroppedDownListHasSkinnedBarsAndLeavesNothingBehind) {
  HWND combo = RawChild(form_->Handle(), L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10,
                        160, 200);
  for (int i = 0; i < 40; ++i)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"Choice " + std::to_wstring(i)).c_str()));
  SendMessageW(combo, CB_SETMINVISIBLE, 8, 0);
  Adapt(combo);
  COMBOBOXINFO info{sizeof(info)};
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  TvtScrollWnd* list = ScrollBarsOf(info.hwndList);
  ASSERT_TRUE(list) << "the drop-down list has its adapter";
  // The list's image is made on its first showing and kept: counted from then.
  HandleCount::Snapshot before{};
  for (int round = 0; round < 4; ++round) {
    if (round == 1) before = HandleCount::Take();
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump(20);
    SendMessageW(info.hwndList, LB_SETTOPINDEX, 10 + round, 0);
    ExpectSkinnedBars("dropped", list);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Pump(20);
    if (round > 0) {
      EXPECT_EQ(HandleCount::Take(), before);
    }
  }
  adapter_.reset();
  EXPECT_EQ(AdapterOf(info.hwndList), nullptr) << "the list is let go with its combo box";
}

TEST_F(SkinnedScrollBars, TheCornerInTheFormsCornerSizesTheForm) {
  HWND list = MakeList();
  const auto hitAtCorner = [&] {
    const RECT h = Bars()->BarRect(*Bars()->HorzBar), v = Bars()->BarRect(*Bars()->VertBar);
    RECT box{};
    GetWindowRect(list, &box);
    const POINT p{box.left + (v.left + v.right) / 2, box.top + (h.top + h.bottom) / 2};
    return SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  };
  EXPECT_NE(hitAtCorner(), HTSIZE);
  RECT client{};
  GetClientRect(form_->Handle(), &client);
  SetWindowPos(list, nullptr, client.right - 180, client.bottom - 200, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  Pump(10);
  EXPECT_EQ(hitAtCorner(), HTSIZE);
  ExpectSkinnedBars("moved into the corner");
}

TEST_F(SkinnedScrollBars, ADisabledBarKeepsFortyPercentOfItsImage) {
  HWND list = MakeList();
  TvtScrollBar& v = *Bars()->VertBar;
  const TBitmap enabled = Bars()->BarImage(v);
  EnableWindow(list, FALSE);
  Pump(10);
  const TBitmap disabled = Bars()->BarImage(v);
  ASSERT_FALSE(disabled.Empty());
  EXPECT_GT(DifferentPixels(enabled.Pixels(), disabled.Pixels()), 0);
  ExpectSkinnedBars("disabled");
}

TEST_F(SkinnedScrollBars, ListBoxesComeAndGoWithoutLeavingHandles) {
  const HandleCount::Snapshot before = HandleCount::Take();
  for (int i = 0; i < 200; ++i) {
    HWND list = MakeList(10);
    if (i % 2) SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    if (i % 3 == 0) {
      DestroyWindow(list);  // the window goes first, the adapter after
      adapter_.reset();
    } else {
      adapter_.reset();  // the adapter lets go of a live window
      EXPECT_EQ(GetPropW(list, kAdapterProp), nullptr);
      DestroyWindow(list);
    }
  }
  Pump();
  EXPECT_EQ(HandleCount::Take(), before);
}

}  // namespace
