#include "forms/win/vtScrollWnd.h"

#include <algorithm>

#include "forms/win/vtEditWnd.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Control.h"
#include "runtime/win/HandleCount.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

namespace {

constexpr UINT_PTR kHoverTimer = 0xFFF2;
constexpr UINT_PTR kFirstRepeatTimer = 0xFFFD;
constexpr UINT_PTR kRepeatTimer = 0xFFFE;
constexpr UINT kHoverMs = 20, kFirstRepeatMs = 300, kRepeatMs = 55;

// One scroll action at a time: the mouse has one button that presses bars.
struct ScrollTracking {
  HWND Wnd = nullptr;
  int HotBar = -1;
  RECT HotRect{};
  int HotPart = kPartNone;
  int PressedPart = kPartNone;
  bool PressedShown = false;
  int BarKind = -1;
  ThumbPlace PressThumb;
  int Grab = 0;
  int LastPos = 0;
  int DragStart = 0;
};

ScrollTracking& Tracking() {
  static ScrollTracking t;
  return t;
}

unsigned TimerBit(UINT_PTR id) {
  return id == kHoverTimer ? 1u : id == kFirstRepeatTimer ? 2u : id == kRepeatTimer ? 4u : 0u;
}

bool SameInfo(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

// Window coordinates of a screen point.
POINT InWindow(HWND wnd, POINT screen) {
  RECT box{};
  GetWindowRect(wnd, &box);
  return {screen.x - box.left, screen.y - box.top};
}

}  // namespace

int SystemDefaultArrow() {
  static const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  return arrow;
}

ScrollRange TvtScrollBar::Range() const { return {Info.nMin, Info.nMax, Info.nPage, Info.nPos}; }

bool TvtScrollBar::ReadInfo(HWND wnd) {
  SCROLLINFO now{sizeof(now), SIF_ALL};
  if (!GetScrollInfo(wnd, SystemBar(), &now)) now = {sizeof(now), SIF_ALL};
  const bool changed = !SameInfo(now, Info);
  Info = now;
  return changed;
}

TvtScrollWnd* ScrollBarsOf(HWND wnd) { return dynamic_cast<TvtScrollWnd*>(AdapterOf(wnd)); }

TvtScrollWnd::TvtScrollWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager,
                           TsCommonData* skinData)
    : TvtMainWnd(wnd, true, section, manager, skinData),
      HorzBar(std::make_unique<TvtScrollBar>(this, 0)),
      VertBar(std::make_unique<TvtScrollBar>(this, 1)) {}

TvtScrollWnd::~TvtScrollWnd() {
  for (UINT_PTR id : {kHoverTimer, kFirstRepeatTimer, kRepeatTimer}) StopTimer(id);
  if (Tracking().Wnd == Handle()) Tracking() = ScrollTracking{};
}

void TvtScrollWnd::Hook() {
  TvtMainWnd::Hook();
  const HWND wnd = Handle();
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  LeftScrollBar = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  for (TvtScrollBar* bar : {HorzBar.get(), VertBar.get()}) {
    bar->ReadInfo(wnd);
    const LONG_PTR asks = bar->Vertical() ? WS_VSCROLL : WS_HSCROLL;
    if (style & asks) bar->Flags |= TvtScrollBar::kStyleAsks;
  }
  StyleGuard = false;
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TvtScrollWnd::OnDetach() {
  for (UINT_PTR id : {kHoverTimer, kFirstRepeatTimer, kRepeatTimer}) StopTimer(id);
  if (Tracking().Wnd == Handle()) {
    if (GetCapture() == Handle()) ReleaseCapture();
    Tracking() = ScrollTracking{};
  }
  ThumbTracking = false;
  // The system takes its bars back: the frame is computed again without us.
  if (!destroying_ && IsWindow(Handle()) && IsWindowVisible(Handle()))
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TvtScrollWnd::BarsActive() const { return !Released() && Skinned() && IsWindow(Handle()); }

// --- sizes

int TvtScrollWnd::Thickness(const TvtScrollBar& bar) const {
  if (bar.Thickness >= 0) return bar.Thickness;
  return GetSystemMetrics(bar.Vertical() ? SM_CXVSCROLL : SM_CYHSCROLL);
}

int TvtScrollWnd::ArrowLength(const TvtScrollBar& bar) const {
  if (bar.ArrowLength >= 0) return bar.ArrowLength;
  const SkinModel* model = SkinData()->Model();
  if (!model) return SystemDefaultArrow();
  const SkinCachedIndexes& i = model->CachedIndexes();
  const TsGeneralData* section = model->Section(bar.Vertical() ? i.ScrollBtnTop : i.ScrollBtnLeft);
  const TsMaskData* border =
      model->Mask(bar.Vertical() ? i.ScrollBtnTopBorder : i.ScrollBtnLeftBorder);
  if (!section || !section->ReservedBoolean || !border) return SystemDefaultArrow();
  const int frame = bar.Vertical() ? border->Height() / (border->MaskType > 0 ? 2 : 1)
                                   : border->Width() / std::max(border->ImageCount, 1);
  return std::max(SystemDefaultArrow(), frame);
}

RECT TvtScrollWnd::BarRect(const TvtScrollBar& bar) const {
  RECT box{};
  GetWindowRect(Handle(), &box);
  const int w = box.right - box.left, h = box.bottom - box.top;
  const int ht = HorzBar->Shown ? Thickness(*HorzBar) : 0;
  const int vt = VertBar->Shown ? Thickness(*VertBar) : 0;
  if (!bar.Shown) return {};
  if (!bar.Vertical()) {
    RECT r{LeftEdge + (LeftScrollBar ? vt : 0), 0, w - RightEdge - (LeftScrollBar ? 0 : vt),
           h - BottomEdge};
    r.top = r.bottom - ht;
    return r;
  }
  RECT r{0, TopEdge, 0, h - BottomEdge - ht};
  if (LeftScrollBar) {
    r.left = LeftEdge;
    r.right = r.left + vt;
  } else {
    r.right = w - RightEdge;
    r.left = r.right - vt;
  }
  return r;
}

bool TvtScrollWnd::BarEnabled(TvtScrollBar& bar) {
  if (!IsWindowEnabled(Handle())) return false;
  const std::uint16_t both = TvtScrollBar::kFirstArrowOff | TvtScrollBar::kSecondArrowOff;
  if ((bar.Flags & both) == both) return false;
  if ((bar.Flags & TvtScrollBar::kOffWhenEmpty) && bar.Info.nMax <= bar.Info.nMin) return false;
  SCROLLBARINFO info{sizeof(info)};
  if (GetScrollBarInfo(Handle(), bar.Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL, &info) &&
      (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE))
    return false;
  return true;
}

ThumbPlace TvtScrollWnd::Thumb(TvtScrollBar& bar, int length) const {
  const ScrollTracking& t = Tracking();
  if (ThumbTracking && t.Wnd == Handle() && t.BarKind == bar.BarKind) {
    ThumbPlace dragged = t.PressThumb;
    dragged.Start = t.DragStart;
    return dragged;
  }
  return PlaceThumb(length, ArrowLength(bar), bar.MinThumb, bar.Range());
}

int TvtScrollWnd::PartStates(const TvtScrollBar& bar, int part) const {
  const ScrollTracking& t = Tracking();
  const bool ours = t.Wnd == Handle();
  const bool thisBar = ours && t.BarKind == bar.BarKind;
  const bool hot = ours && t.HotBar == bar.BarKind && t.HotPart == part;
  if (part == kPartThumb) return ThumbTracking && thisBar ? 2 : hot ? 1 : 0;
  if (thisBar && t.PressedPart == part && t.PressedShown) return 2;
  if (part == kPartFirstArrow || part == kPartSecondArrow) return hot && IsWindowEnabled(Handle()) ? 1 : 0;
  return 0;
}

void TvtScrollWnd::UpdateScrollInfo(bool repaint) {
  HorzBar->ReadInfo(Handle());
  VertBar->ReadInfo(Handle());
  if (repaint && !FormAnimating) PaintBars();
}

// --- messages

void TvtScrollWnd::HandleMessage(Message& m) {
  if (!BarsActive()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
      if (StyleGuard) {
        m.result = 0;
        return;
      }
      if (m.msg == WM_STYLECHANGING && static_cast<int>(m.wParam) == GWL_EXSTYLE)
        LeftScrollBar = (reinterpret_cast<STYLESTRUCT*>(m.lParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
      break;
    case WM_NCCALCSIZE:
      CalcSize(m);
      return;
    case WM_NCHITTEST:
      HitTest(m);
      return;
    case WM_NCPAINT:
      if (SkinData()->PaintSuspended) break;
      PaintNonClient(m);
      return;
    case WM_NCMOUSEMOVE:
      if (!BarOfHit(m.wParam)) break;
      Hover(m.wParam);
      m.result = 0;
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!BarOfHit(m.wParam)) break;
      Press(m.wParam);
      m.result = 0;
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      if (!BarOfHit(m.wParam)) break;
      m.result = 0;
      return;
    case WM_SYSCOMMAND:
      // The keyboard's way into the system's own bar tracking.
      if ((m.wParam & 0xFFF0) == SC_VSCROLL || (m.wParam & 0xFFF0) == SC_HSCROLL) {
        m.result = 0;
        return;
      }
      break;
    case WM_TIMER:
      if (!TimerBit(m.wParam)) break;
      OnTimer(m.wParam);
      m.result = 0;
      return;
    case WM_MOUSEMOVE:
      if (Tracking().Wnd != Handle()) break;
      if (ThumbTracking) {
        Drag();
        m.result = 0;
        return;
      }
      if (Tracking().PressedPart != kPartNone) {
        FollowPressed();
        m.result = 0;
        return;
      }
      break;
    case WM_LBUTTONUP:
      if (Tracking().Wnd != Handle() || (!ThumbTracking && Tracking().PressedPart == kPartNone))
        break;
      Release();
      m.result = 0;
      return;
    case WM_CAPTURECHANGED:
      if (Tracking().Wnd == Handle() && reinterpret_cast<HWND>(m.lParam) != Handle() &&
          (ThumbTracking || Tracking().PressedPart != kPartNone))
        Release();
      break;
    case WM_DESTROY:
    case WM_NCDESTROY:
      destroying_ = true;
      break;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
  switch (m.msg) {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_NCPAINT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      break;
    default:
      AfterMessage(m.msg);
  }
}

// Messages after which the window may have set its scroll info with
// redraw: the system repaints its own bar then even when nothing changed.
static bool MayRepaintSystemBar(UINT msg) {
  switch (msg) {
    case WM_PAINT:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_SETFONT:
    case WM_SETTEXT:
    case WM_SETREDRAW:
    case WM_STYLECHANGED:
    case WM_ENABLE:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_TIMER:
      return true;
    default:
      // The edit, combo-box and list-box messages, and the common
      // controls' own.
      return (msg >= EM_GETSEL && msg <= 0x00FF) || (msg >= CB_GETEDITSEL && msg <= 0x01BF) ||
             (msg >= WM_USER && msg < 0x8000);
  }
}

// The system paints its bar wherever a position changes with redraw; the
// skinned one goes back over it.
void TvtScrollWnd::AfterMessage(UINT msg) {
  if (!BarsActive() || sending_ || ThumbTracking) return;
  const bool h = HorzBar->ReadInfo(Handle());
  const bool v = VertBar->ReadInfo(Handle());
  if (!HorzBar->Shown && !VertBar->Shown) return;
  if (h || v || MayRepaintSystemBar(msg)) PaintBars();
}

void TvtScrollWnd::WithoutScrollStyles(Message& m) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const LONG_PTR bars = style & (WS_HSCROLL | WS_VSCROLL);
  if (!bars) {
    CallPrevious(m);
    return;
  }
  StyleGuard = true;
  SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~bars);
  CallPrevious(m);
  if (IsWindow(Handle())) SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | bars);
  StyleGuard = false;
}

void TvtScrollWnd::CalcSize(Message& m) {
  RECT* client = m.wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)->rgrc[0]
                          : reinterpret_cast<RECT*>(m.lParam);
  const RECT window = *client;
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  WithoutScrollStyles(m);
  LeftEdge = client->left - window.left;
  TopEdge = client->top - window.top;
  RightEdge = window.right - client->right;
  BottomEdge = window.bottom - client->bottom;
  auto lay = [&](TvtScrollBar& bar, bool asked, int room) {
    if (asked)
      bar.Flags |= TvtScrollBar::kStyleAsks;
    else
      bar.Flags &= ~TvtScrollBar::kStyleAsks;
    bar.Shown = asked && room >= Thickness(bar);
    return bar.Shown ? Thickness(bar) : 0;
  };
  client->bottom -= lay(*HorzBar, style & WS_HSCROLL, client->bottom - client->top);
  const int vt = lay(*VertBar, style & WS_VSCROLL, client->right - client->left);
  if (LeftScrollBar)
    client->left += vt;
  else
    client->right -= vt;
}

TvtScrollBar* TvtScrollWnd::BarAt(POINT screen, int& along) const {
  const POINT p = InWindow(Handle(), screen);
  for (TvtScrollBar* bar : {HorzBar.get(), VertBar.get()}) {
    const RECT r = BarRect(*bar);
    if (!bar->Shown || !PtInRect(&r, p)) continue;
    along = bar->Vertical() ? p.y - r.top : p.x - r.left;
    return bar;
  }
  return nullptr;
}

TvtScrollBar* TvtScrollWnd::BarOfHit(WPARAM hit) const {
  if (hit == HTHSCROLL) return HorzBar->Shown ? HorzBar.get() : nullptr;
  if (hit == HTVSCROLL) return VertBar->Shown ? VertBar.get() : nullptr;
  return nullptr;
}

RECT TvtScrollWnd::CornerRect() const {
  if (!HorzBar->Shown || !VertBar->Shown) return {};
  const RECT h = BarRect(*HorzBar), v = BarRect(*VertBar);
  return {v.left, h.top, v.right, h.bottom};
}

// The corner between both bars sizes the window's top-level parent when
// the window lies in that parent's bottom corner.
bool TvtScrollWnd::CornerIsSizeBox() const {
  const RECT corner = CornerRect();
  const HWND parent = GetParent(Handle());
  if (IsRectEmpty(&corner) || !parent || (GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD)) return false;
  RECT box{}, client{};
  GetWindowRect(Handle(), &box);
  GetClientRect(parent, &client);
  POINT end{LeftScrollBar ? client.left : client.right, client.bottom};
  ClientToScreen(parent, &end);
  // The window's own edge may lie around the square: its outer corner counts.
  const POINT own{LeftScrollBar ? box.left : box.right, box.bottom};
  return own.x == end.x && own.y == end.y;
}

void TvtScrollWnd::HitTest(Message& m) {
  const POINT screen{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
  int along = 0;
  if (TvtScrollBar* bar = BarAt(screen, along)) {
    m.result = BarEnabled(*bar) ? (bar->Vertical() ? HTVSCROLL : HTHSCROLL) : HTNOWHERE;
    return;
  }
  const RECT corner = CornerRect();
  // Elsewhere the corner is a plain square: the system would call it a
  // size box and let a press size the list itself.
  if (PtInRect(&corner, InWindow(Handle(), screen))) {
    m.result = !CornerIsSizeBox() ? HTBORDER : LeftScrollBar ? HTBOTTOMLEFT : HTSIZE;
    return;
  }
  CallPrevious(m);
}

// --- mouse

bool TvtScrollWnd::PointerOnPressed() {
  const ScrollTracking& t = Tracking();
  POINT p{};
  GetCursorPos(&p);
  int along = 0;
  TvtScrollBar* bar = BarAt(p, along);
  if (!bar || bar->BarKind != t.BarKind) return false;
  const RECT r = BarRect(*bar);
  const int length = bar->Vertical() ? r.bottom - r.top : r.right - r.left;
  return PartAt(along, length, ArrowLength(*bar), Thumb(*bar, length)) == t.PressedPart;
}

void TvtScrollWnd::Hover(WPARAM hit) {
  TvtScrollBar* bar = BarOfHit(hit);
  ScrollTracking& t = Tracking();
  POINT p{};
  GetCursorPos(&p);
  int along = 0;
  if (BarAt(p, along) != bar) return;
  const RECT r = BarRect(*bar);
  const int length = bar->Vertical() ? r.bottom - r.top : r.right - r.left;
  const int part = PartAt(along, length, ArrowLength(*bar), Thumb(*bar, length));
  if (t.Wnd == Handle() && t.HotBar == bar->BarKind && t.HotPart == part) return;
  if (t.Wnd != Handle() && t.Wnd && t.PressedPart == kPartNone && !ThumbTracking) t = ScrollTracking{};
  t.Wnd = Handle();
  t.HotBar = bar->BarKind;
  t.HotPart = part;
  RECT box{};
  GetWindowRect(Handle(), &box);
  t.HotRect = r;
  OffsetRect(&t.HotRect, box.left, box.top);
  StartTimer(kHoverTimer, kHoverMs);
  PaintBars();
}

void TvtScrollWnd::Press(WPARAM hit) {
  TvtScrollBar* bar = BarOfHit(hit);
  POINT p{};
  GetCursorPos(&p);
  int along = 0;
  if (BarAt(p, along) != bar || !BarEnabled(*bar)) return;
  ScrollTracking& t = Tracking();
  t = ScrollTracking{};
  t.Wnd = Handle();
  t.BarKind = bar->BarKind;
  const RECT r = BarRect(*bar);
  const int length = bar->Vertical() ? r.bottom - r.top : r.right - r.left;
  const ThumbPlace thumb = Thumb(*bar, length);
  const int part = PartAt(along, length, ArrowLength(*bar), thumb);
  const bool arrowOff = (part == kPartFirstArrow && (bar->Flags & TvtScrollBar::kFirstArrowOff)) ||
                        (part == kPartSecondArrow && (bar->Flags & TvtScrollBar::kSecondArrowOff));
  if (part == kPartNone || arrowOff) return;
  SetCapture(Handle());
  if (part == kPartThumb) {
    ThumbTracking = true;
    bar->Info.nTrackPos = bar->Info.nPos;
    t.PressThumb = thumb;
    t.Grab = along - thumb.Start;
    t.LastPos = bar->Info.nPos;
    t.DragStart = thumb.Start;
    PaintBars();
    return;
  }
  t.PressedPart = part;
  t.PressedShown = true;
  PaintBars();
  SendScroll(*bar, part, 0);
  StartTimer(kFirstRepeatTimer, kFirstRepeatMs);
}

void TvtScrollWnd::Drag() {
  ScrollTracking& t = Tracking();
  TvtScrollBar& bar = t.BarKind == 1 ? *VertBar : *HorzBar;
  const RECT r = BarRect(bar);
  POINT p{};
  GetCursorPos(&p);
  const POINT w = InWindow(Handle(), p);
  const int length = bar.Vertical() ? r.bottom - r.top : r.right - r.left;
  const int along = bar.Vertical() ? w.y - r.top : w.x - r.left;
  const int arrow = ArrowLength(bar);
  const int track = length - 2 * arrow;
  t.DragStart = std::clamp(along - t.Grab, arrow, std::max(arrow, length - arrow - t.PressThumb.Size));
  PaintBars();
  const int pos = DraggedPosition(t.DragStart - arrow, track, t.PressThumb.Size, bar.Range());
  if (pos == t.LastPos) return;
  t.LastPos = pos;
  bar.Info.nTrackPos = pos;
  SendScroll(bar, SB_THUMBTRACK, pos);
}

void TvtScrollWnd::FollowPressed() {
  ScrollTracking& t = Tracking();
  const bool on = PointerOnPressed();
  if (on == t.PressedShown) return;
  t.PressedShown = on;
  PaintBars();
}

void TvtScrollWnd::Release() {
  ScrollTracking& t = Tracking();
  TvtScrollBar& bar = t.BarKind == 1 ? *VertBar : *HorzBar;
  const bool thumb = ThumbTracking;
  const int last = t.LastPos;
  StopTimer(kFirstRepeatTimer);
  StopTimer(kRepeatTimer);
  t.PressedPart = kPartNone;
  ThumbTracking = false;
  // A dropped-down list keeps the capture its combo box gave it.
  wchar_t name[16] = {};
  GetClassNameW(Handle(), name, 16);
  if (GetCapture() == Handle() && lstrcmpiW(name, L"ComboLBox") != 0) ReleaseCapture();
  if (thumb) SendScroll(bar, SB_THUMBPOSITION, last);
  SendScroll(bar, SB_ENDSCROLL, 0);
  t = ScrollTracking{};
  UpdateScrollInfo(true);
}

void TvtScrollWnd::OnTimer(UINT_PTR id) {
  ScrollTracking& t = Tracking();
  if (id == kHoverTimer) {
    if (ThumbTracking) return;
    POINT p{};
    GetCursorPos(&p);
    if (t.Wnd == Handle() && PtInRect(&t.HotRect, p)) {
      int along = 0;
      TvtScrollBar* bar = BarAt(p, along);
      if (!bar) return;
      const RECT r = BarRect(*bar);
      const int length = bar->Vertical() ? r.bottom - r.top : r.right - r.left;
      const int part = PartAt(along, length, ArrowLength(*bar), Thumb(*bar, length));
      if (part == t.HotPart) return;
      t.HotPart = part;
    } else {
      StopTimer(kHoverTimer);
      if (t.Wnd == Handle()) {
        t.HotBar = -1;
        t.HotPart = kPartNone;
      }
    }
    PaintBars();
    return;
  }
  if (id == kFirstRepeatTimer) {
    StopTimer(kFirstRepeatTimer);
    StartTimer(kRepeatTimer, kRepeatMs);
    return;
  }
  if (t.Wnd != Handle() || t.PressedPart == kPartNone) {
    StopTimer(id);
    return;
  }
  if (!PointerOnPressed()) return;
  SendScroll(t.BarKind == 1 ? *VertBar : *HorzBar, t.PressedPart, 0);
}

void TvtScrollWnd::StartTimer(UINT_PTR id, UINT ms) {
  if (!(timers_ & TimerBit(id))) HandleCount::Created(HandleKind::Timer);
  timers_ |= TimerBit(id);
  SetTimer(Handle(), id, ms, nullptr);
}

void TvtScrollWnd::StopTimer(UINT_PTR id) {
  if (!(timers_ & TimerBit(id))) return;
  timers_ &= ~TimerBit(id);
  HandleCount::Released(HandleKind::Timer);
  if (IsWindow(Handle())) KillTimer(Handle(), id);
}

void TvtScrollWnd::SendScroll(TvtScrollBar& bar, int code, int pos) {
  const UINT msg = bar.Vertical() ? WM_VSCROLL : WM_HSCROLL;
  const HWND wnd = Handle();
  sending_ = true;
  const LRESULT answered = SendSkinCommand(wnd, SKC_BEGINSCROLL, static_cast<LPARAM>(msg),
                                           static_cast<WORD>(code));
  if ((code == SB_THUMBTRACK || code == SB_THUMBPOSITION) && !(answered && code == SB_THUMBTRACK)) {
    SCROLLINFO info{sizeof(info), SIF_POS};
    info.nPos = pos;
    SetScrollInfo(wnd, bar.SystemBar(), &info, FALSE);
  }
  SendMessageW(wnd, msg, MAKEWPARAM(code, pos), 0);
  if (!IsWindow(wnd)) return;
  SendSkinCommand(wnd, SKC_ENDSCROLL, static_cast<LPARAM>(msg), static_cast<WORD>(code));
  sending_ = false;
  if (!Released()) UpdateScrollInfo(true);
}

// --- painting

void TvtScrollWnd::PaintNonClient(Message& m) {
  WithoutScrollStyles(m);
  PaintBars();
}

void TvtScrollWnd::ExcludeBars(HDC dc) const {
  RECT all{};
  for (TvtScrollBar* bar : {HorzBar.get(), VertBar.get()}) {
    const RECT r = BarRect(*bar);
    if (IsRectEmpty(&r)) continue;
    UnionRect(&all, &all, &r);
  }
  // The union of two bars covers their corner too.
  if (!IsRectEmpty(&all) && HorzBar->Shown && VertBar->Shown) {
    const RECT h = BarRect(*HorzBar), v = BarRect(*VertBar);
    ExcludeClipRect(dc, h.left, h.top, h.right, h.bottom);
    ExcludeClipRect(dc, v.left, v.top, v.right, v.bottom);
    ExcludeClipRect(dc, v.left, h.top, v.right, h.bottom);
    return;
  }
  if (!IsRectEmpty(&all)) ExcludeClipRect(dc, all.left, all.top, all.right, all.bottom);
}

// --- flat scroll bars

void RefreshControlScrollBars(TsCommonData& data, AdapterPtr& slot) {
  auto* control = dynamic_cast<TWinControl*>(data.HostControl());
  if (!control || control->Loading() || control->Destroying()) return;
  if (!control->HandleAllocated()) {
    slot.reset();
    return;
  }
  const HWND wnd = control->Handle();
  if (data.IsSkinned()) {
    UninitializeFlatScrollBars(wnd);
    if (slot && (slot->Released() || slot->Handle() != wnd)) slot.reset();
    // Edit-like frame from the control's section around the bars.
    if (!slot) slot = TvtMainWnd::Attach<TvtEditWnd>(wnd, L"", nullptr, &data);
    return;
  }
  slot.reset();
  InitializeFlatScrollBars(wnd);
}

namespace {

using FlatSBProc = BOOL(WINAPI*)(HWND);

FlatSBProc FlatSBEntry(const char* name) {
  HMODULE lib = GetModuleHandleW(L"comctl32.dll");
  if (!lib) lib = LoadLibraryW(L"comctl32.dll");
  return lib ? reinterpret_cast<FlatSBProc>(reinterpret_cast<void*>(GetProcAddress(lib, name)))
             : nullptr;
}

}  // namespace

bool InitializeFlatScrollBars(HWND wnd) {
  static const FlatSBProc proc = FlatSBEntry("InitializeFlatSB");
  return proc && proc(wnd);
}

bool UninitializeFlatScrollBars(HWND wnd) {
  // UninitializeFlatSB answers an HRESULT: S_OK (0) when it let go.
  using Proc = HRESULT(WINAPI*)(HWND);
  static const Proc proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(FlatSBEntry("UninitializeFlatSB")));
  return proc && SUCCEEDED(proc(wnd));
}

}  // namespace folvane
