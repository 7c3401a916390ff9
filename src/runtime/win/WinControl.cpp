#include <windowsx.h>

#include <algorithm>
#include <map>
#include <string>

#include "runtime/win/Application.h"
#include "runtime/win/Control.h"
#include "runtime/win/Form.h"

namespace folvane {

namespace {

const wchar_t kControlProp[] = L"FolvaneControl";
// The control whose window is being created: its first messages arrive
// before CreateWindowEx returns the handle.
thread_local TWinControl* t_creating = nullptr;

std::map<std::wstring, WNDPROC>& BaseProcs() {
  static std::map<std::wstring, WNDPROC> procs;
  return procs;
}

bool IsColorQuestion(UINT msg) {
  return msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN ||
         msg == WM_CTLCOLORLISTBOX;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Children go first so that no child outlives the window it lives in.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    c->SetParent(nullptr);
  }
  DestroyHandle();
}

TControl* TWinControl::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  return static_cast<TControl*>(GetPropW(wnd, kControlProp));
}

void TWinControl::CreateParamsFor(CreateParams& params) {
  params.className = ClassName();
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (TabStop) params.style |= WS_TABSTOP;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (Parent()) Parent()->HandleNeeded();
  if (handle_) return;  // the parent created ours
  CreateWnd();
  CreateWindowHandleDone();
  for (TControl* c : controls_)
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->HandleNeeded();
  RealignChildren();
}

void TWinControl::CreateWnd() {
  CreateParams params;
  CreateParamsFor(params);
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof(wc)};
  if (!GetClassInfoExW(inst, params.className.c_str(), &wc)) {
    WNDCLASSEXW base{sizeof(base)};
    if (params.baseClass) {
      if (!GetClassInfoExW(nullptr, params.baseClass, &base))
        throw EOSError("Unknown window class");
      BaseProcs()[params.className] = base.lpfnWndProc;
    } else {
      base.style = params.classStyle;
      base.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      BaseProcs()[params.className] = DefWindowProcW;
    }
    base.cbSize = sizeof(base);
    base.hInstance = inst;
    base.lpszClassName = params.className.c_str();
    base.lpfnWndProc = InitWndProc;
    if (!RegisterClassExW(&base)) throw EOSError("Window class not registered");
  }
  defWndProc_ = BaseProcs()[params.className];
  if (!Visible()) params.style &= ~WS_VISIBLE;
  else if (params.style & WS_CHILD) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;

  HWND parentWnd = Parent() ? Parent()->Handle() : params.owner;
  TWinControl* previous = t_creating;
  t_creating = this;
  HWND wnd = CreateWindowExW(params.exStyle, params.className.c_str(), Caption().c_str(),
                             params.style, Left(), Top(), Width(), Height(), parentWnd,
                             nullptr, inst, nullptr);
  t_creating = previous;
  if (!wnd) throw EOSError("Window not created");
  HandleCount::Created(HandleKind::Window);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  HWND wnd = handle_;
  DestroyWindow(wnd);  // WM_NCDESTROY detaches and clears handle_
  handle_ = nullptr;
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* control = static_cast<TWinControl*>(FromHandle(wnd));
  if (!control && t_creating && !t_creating->handle_) {
    control = t_creating;
    control->handle_ = wnd;
    SetPropW(wnd, kControlProp, static_cast<TControl*>(control));
  }
  if (!control) return DefWindowProcW(wnd, msg, wp, lp);
  Message m{msg, wp, lp, 0};
  try {
    control->WindowProc(m);
  } catch (...) {
    // No exception may unwind through a window procedure.
    if (Application) Application->HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(wnd, kControlProp);
    if (control->handle_ == wnd) {
      control->handle_ = nullptr;
      HandleCount::Released(HandleKind::Window);
    }
    control->tracking_ = false;
  }
  return m.result;
}

void TWinControl::DefaultHandler(Message& m) {
  if (!handle_) return;
  m.result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, m.msg,
                             m.wParam, m.lParam);
}

void TWinControl::WndProc(Message& m) {
  switch (m.msg) {
    case WM_COMMAND: case WM_NOTIFY: case WM_DRAWITEM: case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (ReflectNotification(m)) return;
      break;
    case WM_CAPTURECHANGED:
      // Whoever took the mouse (a menu loop, another window) ends a press
      // on a graphic child: its release will not come here.
      if (reinterpret_cast<HWND>(m.lParam) != handle_) mouseCapture_ = nullptr;
      break;
    case WM_ERASEBKGND:
      m.result = 1;  // painted with everything else in WM_PAINT
      if (defWndProc_ == DefWindowProcW) return;
      break;
    case WM_PAINT:
      if (defWndProc_ == DefWindowProcW) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(handle_, &ps);
        PaintWindow(dc, ps.rcPaint);
        EndPaint(handle_, &ps);
        return;
      }
      break;
    case WM_PRINTCLIENT:
      // Painting into a caller's DC (window fades take images this way).
      if (defWndProc_ == DefWindowProcW) {
        RECT client;
        GetClientRect(handle_, &client);
        PaintWindow(reinterpret_cast<HDC>(m.wParam), client);
        return;
      }
      break;
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
      TrackMouse();
      // A press or release that a graphic child took is not the window's:
      // an edit would otherwise move its caret under a button inside it.
      if (RouteMouse(m) && m.msg != WM_MOUSEMOVE) return;
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      UpdateGraphicHover(nullptr);
      Perform(CM_MOUSELEAVE);
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(m.wParam) == handle_ && LOWORD(m.lParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(handle_, &p);
        TControl* target = GraphicChildAt(p);
        if (!target && Cursor() != crDefault) target = this;
        if (target && target->Cursor() != crDefault) {
          ::SetCursor(CursorHandle(target->Cursor()));
          m.result = TRUE;
          return;
        }
      }
      break;
    case WM_SETFOCUS:
      if (TForm* form = ParentForm()) form->FocusArrived(this);
      break;
    case WM_SIZE:
      RealignChildren();
      break;
    case CN_KEYDOWN:
      if (HandleDialogKey(m.wParam)) {
        m.result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TControl::WndProc(m);
  DefaultHandler(m);
}

bool TWinControl::HandleDialogKey(WPARAM key) {
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
  if (Perform(CM_WANTSPECIALKEY, key)) return false;
  TForm* form = ParentForm();
  return form && form->Perform(CM_DIALOGKEY, key) != 0;
}

bool TWinControl::ReflectNotification(Message& m) {
  HWND from = nullptr;
  switch (m.msg) {
    case WM_COMMAND: from = reinterpret_cast<HWND>(m.lParam); break;
    case WM_NOTIFY: from = reinterpret_cast<NMHDR*>(m.lParam)->hwndFrom; break;
    case WM_DRAWITEM: from = reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam)->hwndItem; break;
    case WM_MEASUREITEM: from = GetDlgItem(handle_, static_cast<int>(m.wParam)); break;
    default: from = reinterpret_cast<HWND>(m.lParam); break;
  }
  TControl* child = FromHandle(from);
  if (!child && IsColorQuestion(m.msg) && from && GetParent(from) == handle_) {
    // A raw child window whose look a skinning layer took over answers its
    // own colour question; one that does not answers 0 and the system's
    // colours stand.
    const LRESULT answer = SendMessageW(from, CN_BASE + m.msg, m.wParam, m.lParam);
    if (answer == 0) return false;
    m.result = answer;
    return true;
  }
  if (!child || child == this) return false;
  m.result = child->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
  return true;
}

TControl* TWinControl::GraphicChildAt(POINT p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::TrackMouse() {
  if (tracking_ || !handle_) return;
  TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
  if (TrackMouseEvent(&tme)) {
    tracking_ = true;
    Perform(CM_MOUSEENTER);
  }
}

void TWinControl::UpdateGraphicHover(TControl* now) {
  if (now == graphicHover_) return;
  TControl* old = graphicHover_;
  graphicHover_ = now;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (now) now->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouse(Message& m) {
  POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
  TControl* under = GraphicChildAt(p);
  if (under && !under->Enabled()) under = nullptr;
  TControl* target = mouseCapture_ ? mouseCapture_ : under;
  UpdateGraphicHover(under);
  if (m.msg == WM_LBUTTONDOWN || m.msg == WM_LBUTTONDBLCLK) {
    if (under) {
      mouseCapture_ = under;
      SetCapture(handle_);
    }
  } else if (m.msg == WM_LBUTTONUP && mouseCapture_) {
    mouseCapture_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  if (!target) return false;
  target->Perform(m.msg, m.wParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
  return true;
}

void TWinControl::PaintWindow(HDC dc, const RECT& clip) {
  // Off-screen first, so that children never flicker over the background.
  RECT client;
  GetClientRect(handle_, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  MemoryDC mem;
  BitmapHandle bmp(CreateCompatibleBitmap(dc, w, h));
  mem.Select(bmp.Get());
  PaintBackground(mem.Get(), clip);
  PaintGraphicChildren(mem.Get(), clip);
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, mem.Get(),
         clip.left, clip.top, SRCCOPY);
}

void TWinControl::PaintBackground(HDC dc, const RECT& clip) {
  FillRect(dc, &clip, ColorBrush());
}

void TWinControl::PaintGraphicChildren(HDC dc, const RECT& clip) {
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT r = c->BoundsRect(), hit;
    if (!IntersectRect(&hit, &r, &clip)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    c->Paint(dc);
    RestoreDC(dc, saved);
  }
}

HBRUSH TWinControl::ColorBrush() {
  if (!brush_ || brushColor_ != Color()) {
    brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    brushColor_ = Color();
  }
  return brush_.Get();
}

void TWinControl::AddChild(TControl* c) { controls_.push_back(c); }

void TWinControl::RemoveChild(TControl* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (mouseCapture_ == c) mouseCapture_ = nullptr;
  if (graphicHover_ == c) graphicHover_ = nullptr;
  if (c->IsWindowed()) static_cast<TWinControl*>(c)->DestroyHandle();
  else if (!Destroying()) InvalidateArea(c->BoundsRect());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_)
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
    ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
}

void TWinControl::SetCaption(const std::wstring& text) {
  if (text == Caption()) return;
  SetCaptionField(text);
  if (handle_) SetWindowTextW(handle_, text.c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::SetColor(TColor color) {
  TControl::SetColor(color);
  for (TControl* c : controls_)
    if (!c->IsWindowed()) c->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  TControl::FontChanged();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::InvalidateArea(const RECT& r) {
  if (handle_) InvalidateRect(handle_, &r, TRUE);
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  HandleNeeded();
  if (TForm* form = ParentForm()) form->SetActiveControl(this);
  if (handle_) ::SetFocus(handle_);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  std::vector<TWinControl*> children;
  for (TControl* c : controls_)
    if (c->IsWindowed()) children.push_back(static_cast<TWinControl*>(c));
  std::stable_sort(children.begin(), children.end(), [](TWinControl* a, TWinControl* b) {
    return a->TabOrder < b->TabOrder;
  });
  for (TWinControl* c : children) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

void TWinControl::Broadcast(Message& m) {
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    c->WindowProc(m);
    if (m.result) return;
  }
}

void TWinControl::RealignChildren() {
  if (!handle_) return;
  RECT client;
  GetClientRect(handle_, &client);
  for (TControl* c : controls_) {
    if (!c->Visible()) continue;
    switch (c->Align) {
      case TAlign::alBottom:
        c->SetBounds(0, client.bottom - c->Height(), client.right, c->Height());
        client.bottom -= c->Height();
        break;
      case TAlign::alTop:
        c->SetBounds(0, client.top, client.right, c->Height());
        client.top += c->Height();
        break;
      case TAlign::alRight:
        c->SetBounds(client.right - c->Width(), client.top, c->Width(),
                     client.bottom - client.top);
        client.right -= c->Width();
        break;
      case TAlign::alLeft:
        c->SetBounds(client.left, client.top, c->Width(), client.bottom - client.top);
        client.left += c->Width();
        break;
      case TAlign::alClient:
        c->SetBounds(client.left, client.top, client.right - client.left,
                     client.bottom - client.top);
        break;
      case TAlign::alNone:
        break;
    }
  }
}

}  // namespace folvane
