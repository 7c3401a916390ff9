#pragma once
// TvtMainWnd: the root of the window adapters. An adapter attaches itself
// to one existing window - a control of the component runtime (through its
// WindowProc) or a raw window (subclassed) - and from then on paints it
// from the skin while the window keeps its own behaviour. The window
// property "VTSBSC" links the window to its adapter.
//
// Adapters are made with Attach<T>(...) and owned through AdapterPtr: an
// adapter freed while one of its own messages is still being handled (a
// window that destroys itself from inside a message) is deleted when that
// message returns, never before.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "paint/BackgroundInfo.h"
#include "paint/win/TextCanvas.h"
#include "runtime/win/Component.h"
#include "runtime/win/Control.h"
#include "runtime/win/Messages.h"

namespace folvane {

class TsCommonData;
class TsSkinManager;
class TvtMainWnd;

struct AdapterDeleter {
  void operator()(TvtMainWnd* adapter) const;
};
using AdapterPtr = std::unique_ptr<TvtMainWnd, AdapterDeleter>;

// The property that links a window to its adapter.
constexpr const wchar_t* kAdapterProp = L"VTSBSC";
TvtMainWnd* AdapterOf(HWND wnd);

// Set by the dialog skinning while it creates adapters: they serve windows
// of system dialogs.
bool& AdaptingDialog();

class TvtMainWnd {
 public:
  virtual ~TvtMainWnd();
  TvtMainWnd(const TvtMainWnd&) = delete;
  TvtMainWnd& operator=(const TvtMainWnd&) = delete;

  // Makes an adapter of type T and hooks it into its window.
  template <typename T, typename... Args>
  static AdapterPtr Attach(Args&&... args) {
    AdapterPtr adapter(new T(std::forward<Args>(args)...));
    adapter->AttachToWindow();
    return adapter;
  }

  bool InDialog = false;
  std::wstring WindowText;
  RECT WindowBox{};
  SIZE WindowExtent{};
  POINT PosInParent{};
  RECT ParentBox{};
  HWND ParentWindow = nullptr;
  HWND Handle() const { return handle_; }
  TsSkinManager* SkinManager() const;
  TsCommonData* SkinData() const { return skinData_; }
  bool FirstPaintDone = false;
  bool Released() const { return released_; }
  bool SkinStateOwned() const { return ownedState_ != nullptr; }

  // The window procedure of the adapter.
  virtual void HandleMessage(Message& m);
  // Runs HandleMessage behind the exception guard and the lifetime count.
  void Dispatch(Message& m);
  // Passes a message to the procedure the adapter took over.
  void CallPrevious(Message& m);

  // Reads the window's rectangle, parent and place in the parent.
  void RefreshGeometry();
  // The image, repainted first when it is marked changed.
  void RenderImage();
  bool ImageChanged() const;
  void MarkImageChanged();

 protected:
  // `wnd`: the window; `defaultSection`: the section a skin state without
  // one gets; `manager` and `skinData` may be none (the state's manager, a
  // new state owned by the adapter).
  TvtMainWnd(HWND wnd, bool scrollBars, const std::wstring& defaultSection,
             TsSkinManager* manager, TsCommonData* skinData);

  virtual void OnAttach() {}
  virtual void OnDetach() {}
  virtual void PrepareFirstPaint() { FirstPaintDone = true; }
  // Takes the window's procedure over; adapters with scroll bars replace it.
  virtual void Hook();
  // Paints the image (sized to the window) in its current look.
  virtual void PaintImage();
  // The state the section is painted in.
  virtual int PaintState() const { return 0; }

  // Whether the creator asked for skinned scroll bars (the adapters with
  // scroll bars hook the window themselves, in Hook).
  bool ScrollBarsWanted() const { return scrollBars_; }
  const std::wstring& DefaultSection() const { return defaultSection_; }
  bool Skinned() const;
  bool OwnCommand(const Message& m) const;
  // The runtime control behind the window, if any.
  TControl* HostControl() const;
  // What lies behind the window, its origin at the image's origin.
  BackgroundInfo Behind() const;
  // The image, sized to the window (made when missing); nullptr for an
  // empty window.
  class TBitmap* SizedImage();
  // The section over the whole image, then the corner fix-up.
  void PaintSectionImage(int state);
  void FixCorners(int state);
  // A disabled look: the image keeps 40 % over what lies behind it.
  void BlendDisabled();
  // Invalidates, erases and updates the window with its frame.
  void Repaint();
  // Runs `pass` with the window's redraw switched off, then repaints.
  void WithoutRedraw(const std::function<void()>& pass);
  // The window's font: the runtime control's, else WM_GETFONT's.
  TFont WindowFont() const;
  // Copies the image to a DC, the window's top-left at the DC's origin.
  void CopyImage(HDC dc, const RECT& part);
  // Where the client area lies in the window.
  POINT ClientOrigin() const;
  void ReadWindowText();

 private:
  void AttachToWindow();
  void LetGo(bool windowGoing);
  void AnswerBackgroundRequest(Message& m);
  bool HandleSkinCommand(Message& m);
  void TrackHotWindow();
  friend struct AdapterDeleter;
  void Free();

  HWND handle_;
  bool scrollBars_;
  std::wstring defaultSection_;
  TsSkinManager* manager_;
  TsCommonData* skinData_;
  std::unique_ptr<TComponent> stateHost_;
  std::unique_ptr<TsCommonData> ownedState_;
  TControl* hookedControl_ = nullptr;
  std::function<void(Message&)> savedControlProc_;
  WNDPROC savedWindowProc_ = nullptr;
  bool subclassed_ = false;
  bool released_ = false;
  int busy_ = 0;
  bool freePending_ = false;
};

// The visual styles of a window off (" ") or back (none), where the
// system offers SetWindowTheme.
void SwitchWindowTheme(HWND wnd, bool off);

// A font description from a GDI font (the system's message font when none).
TFont FontFromHandle(HFONT font);

}  // namespace folvane
