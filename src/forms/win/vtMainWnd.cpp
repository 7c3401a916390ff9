#include "forms/win/vtMainWnd.h"

#include <exception>

#include "forms/CornerFixUp.h"
#include "paint/Blends.h"
#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "runtime/win/HandleCount.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

// The previous procedure of a window whose subclass could not be undone
// because another one was laid over it after ours.
constexpr const wchar_t* kOrphanProcProp = L"FolvaneAdapterPrevious";
constexpr PixelPoint kAtOrigin{0, 0};

LRESULT CALLBACK AdapterWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (TvtMainWnd* adapter = AdapterOf(wnd)) {
    Message m{msg, wp, lp, 0};
    adapter->Dispatch(m);
    return m.result;
  }
  auto previous = reinterpret_cast<WNDPROC>(GetPropW(wnd, kOrphanProcProp));
  if (msg == WM_NCDESTROY) RemovePropW(wnd, kOrphanProcProp);
  return previous ? CallWindowProcW(previous, wnd, msg, wp, lp) : DefWindowProcW(wnd, msg, wp, lp);
}

using SetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

SetWindowThemeProc ThemeSwitch() {
  // The system library stays loaded for the process: asked once.
  static const SetWindowThemeProc proc = [] {
    HMODULE lib = LoadLibraryW(L"uxtheme.dll");
    return lib ? reinterpret_cast<SetWindowThemeProc>(
                     reinterpret_cast<void*>(GetProcAddress(lib, "SetWindowTheme")))
               : nullptr;
  }();
  return proc;
}

void ReportException() {
  if (Application) Application->HandleException(std::current_exception());
}

}  // namespace

void AdapterDeleter::operator()(TvtMainWnd* adapter) const {
  if (adapter) adapter->Free();
}

TvtMainWnd* AdapterOf(HWND wnd) {
  return wnd ? static_cast<TvtMainWnd*>(GetPropW(wnd, kAdapterProp)) : nullptr;
}

bool& AdaptingDialog() {
  static bool flag = false;
  return flag;
}

void SwitchWindowTheme(HWND wnd, bool off) {
  if (SetWindowThemeProc proc = ThemeSwitch(); proc && IsWindow(wnd))
    off ? proc(wnd, L" ", L" ") : proc(wnd, nullptr, nullptr);
}

TFont FontFromHandle(HFONT font) {
  LOGFONTW lf{};
  if (!font || !GetObjectW(font, sizeof(lf), &lf)) {
    NONCLIENTMETRICSW metrics;
    ReadNonClientMetrics(metrics);
    lf = metrics.lfMessageFont;
  }
  TFont result(lf.lfFaceName, lf.lfHeight);
  unsigned style = 0;
  if (lf.lfWeight >= FW_SEMIBOLD) style |= fsBold;
  if (lf.lfItalic) style |= fsItalic;
  if (lf.lfUnderline) style |= fsUnderline;
  result.SetStyle(style);
  return result;
}

// --- life

TvtMainWnd::TvtMainWnd(HWND wnd, bool scrollBars, const std::wstring& defaultSection,
                       TsSkinManager* manager, TsCommonData* skinData)
    : handle_(wnd), scrollBars_(scrollBars), defaultSection_(defaultSection), manager_(manager),
      skinData_(skinData) {
  if (!skinData_) {
    stateHost_ = std::make_unique<TComponent>(nullptr);
    ownedState_ = std::make_unique<TsCommonData>(stateHost_.get(), true);
    if (manager) ownedState_->SetSkinManager(manager);
    skinData_ = ownedState_.get();
  }
  if (skinData_->SkinSection().empty()) skinData_->SetSkinSection(defaultSection);
  skinData_->ResolveIndexes();
  InDialog = AdaptingDialog();
}

TvtMainWnd::~TvtMainWnd() {
  if (skinData_) skinData_->PrepareCache = nullptr;
}

void TvtMainWnd::AttachToWindow() {
  if (!IsWindow(handle_)) {
    released_ = true;
    return;
  }
  OnAttach();
  ReadWindowText();
  Hook();
  skinData_->PrepareCache = [this] {
    RefreshGeometry();
    RenderImage();
  };
  if (defaultSection_ != L"DIALOG") SwitchWindowTheme(handle_, true);
}

void TvtMainWnd::Hook() {
  SetPropW(handle_, kAdapterProp, this);
  TControl* target = skinData_->HostControl();
  if (!target) target = skinData_->ProviderForm();
  if (target) {
    hookedControl_ = target;
    savedControlProc_ = target->WindowProc;
    target->WindowProc = [this](Message& m) { Dispatch(m); };
    return;
  }
  SetPropW(handle_, kSkinnedWindowProp, reinterpret_cast<HANDLE>(1));
  savedWindowProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC));
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AdapterWndProc));
  subclassed_ = true;
  HandleCount::Created(HandleKind::Subclass);
}

void TvtMainWnd::LetGo(bool windowGoing) {
  if (released_) return;
  released_ = true;
  const bool alive = IsWindow(handle_) != FALSE;
  if (subclassed_) {
    if (alive) {
      if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC)) == &AdapterWndProc)
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedWindowProc_));
      else
        SetPropW(handle_, kOrphanProcProp, reinterpret_cast<HANDLE>(savedWindowProc_));
      RemovePropW(handle_, kSkinnedWindowProp);
    }
    HandleCount::Released(HandleKind::Subclass);
  } else if (hookedControl_) {
    hookedControl_->WindowProc = savedControlProc_;
  }
  if (alive && AdapterOf(handle_) == this) RemovePropW(handle_, kAdapterProp);
  if (alive && !windowGoing) SwitchWindowTheme(handle_, false);
  skinData_->PrepareCache = nullptr;
  OnDetach();
  if (alive && !windowGoing && IsWindowVisible(handle_))
    RedrawWindow(handle_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TvtMainWnd::Free() {
  if (!released_) LetGo(!IsWindow(handle_));
  if (busy_ > 0) {
    freePending_ = true;  // deleted when the message on the stack returns
    return;
  }
  delete this;
}

void TvtMainWnd::Dispatch(Message& m) {
  ++busy_;
  try {
    HandleMessage(m);
  } catch (...) {
    ReportException();
    m.result = 0;
  }
  if (--busy_ == 0 && freePending_) delete this;
}

void TvtMainWnd::CallPrevious(Message& m) {
  if (savedControlProc_) {
    savedControlProc_(m);
  } else if (savedWindowProc_) {
    m.result = CallWindowProcW(savedWindowProc_, handle_, m.msg, m.wParam, m.lParam);
  } else {
    m.result = 0;
  }
}

// --- state

TsSkinManager* TvtMainWnd::SkinManager() const {
  if (manager_ && TsSkinManager::IsLive(manager_)) return manager_;
  return skinData_ ? skinData_->UsedManager() : nullptr;
}

bool TvtMainWnd::Skinned() const {
  TsSkinManager* m = SkinManager();
  return skinData_ && m && m->Active() && m->SkinActive() && !m->Destroying();
}

bool TvtMainWnd::OwnCommand(const Message& m) const {
  return reinterpret_cast<TsSkinManager*>(m.lParam) == SkinManager();
}

TControl* TvtMainWnd::HostControl() const {
  return hookedControl_ ? hookedControl_ : TWinControl::FromHandle(handle_);
}

bool TvtMainWnd::ImageChanged() const { return skinData_->BackgroundChanged; }
void TvtMainWnd::MarkImageChanged() { skinData_->BackgroundChanged = true; }

void TvtMainWnd::ReadWindowText() {
  const int n = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
  const int got = GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  WindowText = std::move(text);
}

// --- messages

void TvtMainWnd::HandleMessage(Message& m) {
  switch (m.msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      if (m.msg == WM_NCDESTROY)
        if (TsSkinManager* manager = SkinManager()) manager->WindowDestroyed(handle_);
      LetGo(true);
      CallPrevious(m);
      return;
    case WM_UPDATEUISTATE:
      m.result = 0;
      return;
    case WM_SIZE:
      MarkImageChanged();
      break;
    case WM_MOUSEMOVE:
      TrackHotWindow();
      break;
    case WM_MOUSELEAVE:
      if (TsSkinManager* primary = TsSkinManager::PrimaryManager();
          primary && primary->HotWindow() == handle_)
        primary->SetHotWindow(nullptr);
      break;
    case WM_PRINT:
      // Painting adapters paint into a DC given with WM_PAINT.
      if (!Skinned()) break;
      m.result = SendMessageW(handle_, WM_PAINT, m.wParam, m.lParam);
      return;
    default:
      break;
  }
  if (m.msg == SM_VANTILECMD && Skinned() && HandleSkinCommand(m)) return;
  CallPrevious(m);
  if (m.msg == WM_SETTEXT) ReadWindowText();
}

// The window is hot while the cursor is over it: it stops being hot when
// the cursor leaves.
void TvtMainWnd::TrackHotWindow() {
  TsSkinManager* primary = TsSkinManager::PrimaryManager();
  if (!primary || !IsWindowEnabled(handle_)) return;
  if (primary->HotWindow() == handle_) return;
  primary->SetHotWindow(handle_);
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
  TrackMouseEvent(&track);
}

bool TvtMainWnd::HandleSkinCommand(Message& m) {
  switch (SkinCommandCode(m.wParam)) {
    case SKC_NEWSKIN:
      if (OwnCommand(m)) {
        skinData_->ResolveIndexes();
        MarkImageChanged();
      }
      CallPrevious(m);
      return true;
    case SKC_REMOVESKIN:
      if (OwnCommand(m)) OnDetach();
      CallPrevious(m);
      return true;
    case SKC_REFRESH:
      if (!OwnCommand(m)) return false;
      skinData_->ResolveIndexes();
      MarkImageChanged();
      skinData_->PaintSuspended = false;
      Repaint();
      m.result = 0;
      return true;
    case SKC_REPAINTIFCHANGED:
      if (!ImageChanged()) return false;
      skinData_->PaintSuspended = false;
      RedrawWindow(handle_, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      m.result = 0;
      return true;
    case SKC_ISSKINNED:
      m.result = 1;
      return true;
    case SKC_ISBGCHANGED:
      m.result = ImageChanged() || skinData_->PaintSuspended;
      return true;
    case SKC_ISGRAPHICBG:
      return skinData_->HostControl() && skinData_->HandleSkinCommand(m);
    case SKC_GETBGCOLOR:
      CallPrevious(m);
      if (m.result == 0) skinData_->HandleSkinCommand(m);
      return true;
    case SKC_REBUILDIMAGE:
      RefreshGeometry();
      RenderImage();
      CallPrevious(m);
      return true;
    case SKC_GETBACKGROUND:
      AnswerBackgroundRequest(m);
      m.result = 0;
      return true;
    case SKC_GETAPPLICATION:
      m.result = Application ? reinterpret_cast<LRESULT>(Application) : 1;
      return true;
    default:
      return false;
  }
}

// A child asks in its parent's client coordinates; the image starts at the
// window's top-left.
void TvtMainWnd::AnswerBackgroundRequest(Message& m) {
  auto* request = reinterpret_cast<BackgroundRequest*>(m.lParam);
  if (!request) return;
  RefreshGeometry();
  const POINT client = ClientOrigin();
  if (request->PaintInto) {
    request->OffsetX += client.x;
    request->OffsetY += client.y;
  }
  skinData_->AnswerBackground(*request, 0, handle_);
  if (!request->PaintInto && request->Kind == kBackgroundBitmap) {
    request->OffsetX += client.x;
    request->OffsetY += client.y;
  }
}

// --- geometry and painting

void TvtMainWnd::RefreshGeometry() {
  GetWindowRect(handle_, &WindowBox);
  WindowExtent = {WindowBox.right - WindowBox.left, WindowBox.bottom - WindowBox.top};
  ParentWindow = GetParent(handle_);
  PosInParent = {0, 0};
  ParentBox = {};
  if (!ParentWindow) return;
  GetWindowRect(ParentWindow, &ParentBox);
  const LRESULT shift = SendSkinCommand(ParentWindow, SKC_GETCLIENTOFFSET);
  if (shift != 0) {
    PosInParent = {WindowBox.left - ParentBox.left - static_cast<short>(LOWORD(shift)),
                   WindowBox.top - ParentBox.top - static_cast<short>(HIWORD(shift))};
    return;
  }
  // A parent that names no shift: its client area is where its children
  // ask for their backgrounds.
  POINT p{WindowBox.left, WindowBox.top};
  ScreenToClient(ParentWindow, &p);
  PosInParent = p;
}

POINT TvtMainWnd::ClientOrigin() const {
  RECT box{};
  GetWindowRect(handle_, &box);
  POINT p{0, 0};
  ClientToScreen(handle_, &p);
  return {p.x - box.left, p.y - box.top};
}

BackgroundInfo TvtMainWnd::Behind() const {
  if (!ParentWindow) return ColorBackground(ConvertColor(clBtnFace));
  BackgroundRequest request;
  RequestBackground(ParentWindow, request);
  BackgroundInfo behind = BackgroundFromAnswer(request);
  if (behind.IsBitmap) {
    behind.OffsetX += PosInParent.x;
    behind.OffsetY += PosInParent.y;
  }
  return behind;
}

TBitmap* TvtMainWnd::SizedImage() {
  const int w = WindowExtent.cx, h = WindowExtent.cy;
  if (w <= 0 || h <= 0) return nullptr;
  if (!skinData_->CacheBitmap()) skinData_->InitCacheBitmap();
  TBitmap* image = skinData_->CacheBitmap();
  if (!image) return nullptr;
  if (image->Width() == w && image->Height() == h && !image->Empty()) return image;
  try {
    *image = TBitmap(w, h, PixelFormat::Bgr24);
  } catch (const std::exception&) {
    *image = TBitmap();  // a size the system refuses paints nothing
    return nullptr;
  }
  return image;
}

void TvtMainWnd::RenderImage() {
  TBitmap* image = skinData_->CacheBitmap();
  const bool sized = image && !image->Empty() && image->Width() == WindowExtent.cx &&
                     image->Height() == WindowExtent.cy;
  if (sized && !ImageChanged()) return;
  PaintImage();
  skinData_->BackgroundChanged = false;
}

void TvtMainWnd::PaintImage() { PaintSectionImage(PaintState()); }

void TvtMainWnd::PaintSectionImage(int state) {
  TBitmap* image = SizedImage();
  if (!image) return;
  const BackgroundInfo behind = Behind();
  PaintControlSection(*skinData_, behind, true, true, image->Pixels(), kAtOrigin,
                      {0, 0, image->Width(), image->Height()}, state);
  if (!InDialog) FixCorners(state);
}

void TvtMainWnd::FixCorners(int state) {
  TBitmap* image = skinData_->CacheBitmap();
  const SkinModel* model = skinData_->Model();
  if (!image || image->Empty() || !model) return;
  FixUpCorners(image->Pixels(), *model, skinData_->FrameMaskIndex, state, Behind());
}

void TvtMainWnd::BlendDisabled() {
  TBitmap* image = skinData_->CacheBitmap();
  if (!image || image->Empty()) return;
  const BackgroundInfo behind = Behind();
  if (behind.IsBitmap && behind.Bitmap) {
    const PixelRect source{behind.OffsetX, behind.OffsetY, behind.OffsetX + image->Width() - 1,
                           behind.OffsetY + image->Height() - 1};
    BlendKeyedRect(image->Pixels(), 0, 0, *behind.Bitmap, source, 0xFF000000, 0.4);
  } else {
    BlendWithColorKeyed(image->Pixels(), ConvertColor(behind.Color), KeyColor, 0.4);
  }
}

void TvtMainWnd::CopyImage(HDC dc, const RECT& part) {
  TBitmap* image = skinData_->CacheBitmap();
  if (!dc || !image || image->Empty()) return;
  BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, image->DC(),
         part.left, part.top, SRCCOPY);
}

TBitmap* TvtMainWnd::ImageForPaint(bool repaint) {
  if (skinData_->PaintSuspended) return nullptr;
  RefreshGeometry();
  if (!FirstPaintDone) PrepareFirstPaint();
  if (repaint) MarkImageChanged();
  RenderImage();
  TBitmap* image = skinData_->CacheBitmap();
  return image && !image->Empty() ? image : nullptr;
}

void TvtMainWnd::PaintImageToClient(HDC dc) {
  if (!dc) return;
  TBitmap* image = ImageForPaint(true);
  if (!image) return;
  const POINT client = ClientOrigin();
  BitBlt(dc, -client.x, -client.y, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

void TvtMainWnd::Repaint() {
  RedrawWindow(handle_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TvtMainWnd::WithoutRedraw(const std::function<void()>& pass) {
  const bool visible = IsWindowVisible(handle_) != FALSE;
  if (visible) SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  pass();
  if (!visible || !IsWindow(handle_)) return;
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  MarkImageChanged();
  Repaint();
}

TFont TvtMainWnd::WindowFont() const {
  if (TControl* host = HostControl()) return host->Font();
  return FontFromHandle(reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)));
}

}  // namespace folvane
