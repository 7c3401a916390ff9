#include "paint/win/WindowFade.h"

#include <memory>

#include "paint/Blends.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Form.h"
#include "runtime/win/Handles.h"
#include "skin/win/OutputWindow.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {
namespace {

constexpr LPARAM kPrintAll = PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND;

TBitmap CaptureScreen(const RECT& r) {
  TBitmap shot(r.right - r.left, r.bottom - r.top, PixelFormat::Bgr24);
  WindowDC screen(nullptr);
  BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), screen.Get(), r.left, r.top, SRCCOPY);
  return shot;
}

// Window position of `wnd` relative to the top-left of `root`'s window.
POINT OffsetInside(HWND root, HWND wnd) {
  RECT outer, inner;
  GetWindowRect(root, &outer);
  GetWindowRect(wnd, &inner);
  return {inner.left - outer.left, inner.top - outer.top};
}

// What the platform's paint-to does for a window that does not paint
// itself through the skin: frame at the window's origin, then background
// and client at the client area's origin.
void PaintToUnskinned(HWND wnd, HDC dc) {
  SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
  POINT client{0, 0};
  ClientToScreen(wnd, &client);
  RECT window;
  GetWindowRect(wnd, &window);
  POINT old;
  OffsetViewportOrgEx(dc, client.x - window.left, client.y - window.top, &old);
  SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

// Paints `control` and its visible children into dc, whose origin is the
// top-left of `root`'s window.
void PaintTree(HWND root, TWinControl* control, HDC dc) {
  const HWND wnd = control->Handle();
  const POINT at = OffsetInside(root, wnd);
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, at.x, at.y, nullptr);
  const bool skinned = IsSkinned(wnd);
  if (skinned)
    SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), kPrintAll);
  else
    PaintToUnskinned(wnd, dc);
  RestoreDC(dc, saved);
  for (TControl* child : control->Controls()) {
    if (!child->Visible() || child->Destroying()) continue;
    if (child->IsWindowed()) {
      auto* w = static_cast<TWinControl*>(child);
      if (w->HandleAllocated() && IsWindowVisible(w->Handle())) PaintTree(root, w, dc);
    } else if (skinned) {
      // A skinned parent paints only itself; an unskinned one painted its
      // graphic children with its client area.
      POINT client{0, 0};
      ClientToScreen(wnd, &client);
      RECT rootRect;
      GetWindowRect(root, &rootRect);
      const int s = SaveDC(dc);
      SetViewportOrgEx(dc, client.x - rootRect.left + child->Left(),
                       client.y - rootRect.top + child->Top(), nullptr);
      child->Perform(WM_PRINT, reinterpret_cast<WPARAM>(dc), kPrintAll);
      RestoreDC(dc, s);
    }
  }
}

void CopyRegion(TForm* form, HWND to) {
  RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(form->Handle(), region.Get()) == ERROR) return;
  RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(copy.Get(), region.Get(), nullptr, RGN_COPY);
  // The window owns a region once it is set.
  if (SetWindowRgn(to, copy.Get(), FALSE)) copy.Release();
}

void Show(HWND out, TBitmap& frame, int weight) {
  if (out) {
    WindowDC dc(out);
    BitBlt(dc.Get(), 0, 0, frame.Width(), frame.Height(), frame.DC(), 0, 0, SRCCOPY);
  }
  if (WindowFadeTestHooks().FrameShown) WindowFadeTestHooks().FrameShown(frame.Pixels(), weight);
}

void Pause(int ms) {
  if (WindowFadeTestHooks().Pause)
    WindowFadeTestHooks().Pause(ms);
  else
    Sleep(static_cast<DWORD>(ms));
}

void FinishFade(TForm* form, TOutputWindow* out) {
  FormAnimating = false;
  SendMessageW(form->Handle(), WM_SETREDRAW, TRUE, 0);
  if (LOBYTE(LOWORD(GetVersion())) > 5)
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  if (out) out->HideAfterFade();
}

}  // namespace

WindowFadeHooks& WindowFadeTestHooks() {
  static WindowFadeHooks hooks;
  return hooks;
}

void AnimateWindowChange(TForm* form, int time) {
  if (!form || form->Destroying() || !form->HandleAllocated()) return;
  FormAnimating = true;
  // Cleared on every way out, an exception from a window included.
  struct ClearFlag {
    ~ClearFlag() { FormAnimating = false; }
  } clearFlag;
  RECT bounds;
  GetWindowRect(form->Handle(), &bounds);
  if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) {
    FinishFade(form, nullptr);
    return;
  }
  // The old look: what the screen shows now, captured before the output
  // window covers it (or, during a fade already running, its last frame).
  TBitmap screen = CaptureScreen(bounds);
  std::unique_ptr<TOutputWindow> created;
  if (!TOutputWindow::Current()) {
    created = std::make_unique<TOutputWindow>(form);
    created->ShowOver();
  }
  TOutputWindow* out = TOutputWindow::Current();
  const HWND outWnd = out && out->HandleAllocated() ? out->Handle() : nullptr;

  TBitmap image(screen.Width(), screen.Height(), PixelFormat::Bgr24);
  PaintTree(form->Handle(), form, image.DC());
  GdiFlush();
  if (outWnd && SendSkinCommand(form->Handle(), SKC_GETPROVIDER)) CopyRegion(form, outWnd);

  try {
    TBitmap frame(screen.Width(), screen.Height(), PixelFormat::Bgra32);
    const std::vector<int> weights = WindowFadeWeights(time);
    for (size_t i = 0; i < weights.size(); ++i) {
      if (i > 0) Pause(kWindowFadeFrameDelay);
      MergeToBitmap32(frame.Pixels(), screen.Pixels(), image.Pixels(), weights[i]);
      Show(outWnd, frame, weights[i]);
    }
    Show(outWnd, image, -1);
  } catch (...) {
    FinishFade(form, out);  // the form must not stay without redrawing
    throw;
  }
  FinishFade(form, out);
}

void InstallWindowFade() { ManagerSeams().AnimateWindowChange = AnimateWindowChange; }

}  // namespace folvane
