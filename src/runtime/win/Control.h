#pragma once
// Controls: graphic (windowless) controls painted and fed by their parent,
// and windowed controls that are real Win32 windows with a chain of window
// procedures (the runtime's own, then whatever subclasses it later).

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/win/Component.h"
#include "runtime/win/Graphics.h"
#include "runtime/win/Messages.h"

namespace folvane {

class TWinControl;
class TForm;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TNotifyEvent = std::function<void(class TControl* sender)>;
using TMouseMoveEvent = std::function<void(class TControl* sender, int x, int y)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  const wchar_t* ClassName() const override { return L"TControl"; }

  // The message entry of the control. Replaceable, so that a skinning layer
  // can put itself in front and call the previous one.
  std::function<void(Message&)> WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  // Visible with every parent up to a shown top-level window.
  bool Showing() const;

  const std::wstring& Caption() const { return caption_; }
  virtual void SetCaption(const std::wstring& text);

  std::wstring Hint;
  bool ShowHint = false;
  TAlign Align = TAlign::alNone;
  // The control shows its parent's font (fonts are not passed down by the
  // runtime; skinned text reads the flag to borrow its parent's colours).
  bool ParentFont = true;

  int Cursor() const { return cursor_; }
  void SetCursor(int cursor) { cursor_ = cursor; }

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  virtual void FontChanged();
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);

  bool MouseInControl() const { return mouseIn_; }

  TNotifyEvent OnClick;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  virtual void Click();
  virtual void Invalidate();
  void Repaint();

  // Paints a graphic control; the DC's origin is the control's top-left.
  virtual void Paint(HDC) {}
  virtual bool IsWindowed() const { return false; }

 protected:
  virtual void WndProc(Message& m);
  void SetCaptionField(const std::wstring& text) { caption_ = text; }

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool mouseIn_ = false;
  bool pressed_ = false;
  int cursor_ = crDefault;
  std::wstring caption_;
  TFont font_;
  TColor color_ = clBtnFace;

  friend class TWinControl;
};

class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  const wchar_t* ClassName() const override { return L"TGraphicControl"; }
};

// What a windowed control's window is made of.
struct CreateParams {
  std::wstring className;  // the window class the runtime registers
  const wchar_t* baseClass = nullptr;  // a system class to build on, or none
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  UINT classStyle = CS_DBLCLKS;
  HWND owner = nullptr;  // for top-level windows
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  const wchar_t* ClassName() const override { return L"TWinControl"; }
  bool IsWindowed() const override { return true; }

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Creates the window (and those of the children) if it does not exist.
  void HandleNeeded();
  void DestroyHandle();

  // Children in creation order, which is also their z-order.
  const std::vector<TControl*>& Controls() const { return controls_; }

  int TabOrder = -1;
  bool TabStop = false;
  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();
  // Windowed descendants in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetCaption(const std::wstring& text) override;
  void SetColor(TColor color) override;
  void FontChanged() override;
  void Invalidate() override;
  // Invalidates part of the client area (graphic children use it).
  void InvalidateArea(const RECT& r);

  // Sends a message to every child control (windowed or not).
  void Broadcast(Message& m);
  // The control that owns a window of this program, if any.
  static TControl* FromHandle(HWND wnd);

  // Background brush in the control's colour, for WM_CTLCOLOR answers.
  HBRUSH ColorBrush();

 protected:
  void WndProc(Message& m) override;
  virtual void CreateParamsFor(CreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists, before the children get theirs.
  virtual void CreateWindowHandleDone() {}
  void DefaultHandler(Message& m);
  // Paints the background and the graphic children of a windowed control.
  virtual void PaintWindow(HDC dc, const RECT& clip);
  virtual void PaintBackground(HDC dc, const RECT& clip);
  void PaintGraphicChildren(HDC dc, const RECT& clip);
  TControl* GraphicChildAt(POINT clientPoint) const;
  void RealignChildren();

 private:
  static LRESULT CALLBACK InitWndProc(HWND, UINT, WPARAM, LPARAM);
  void AddChild(TControl* c);
  void RemoveChild(TControl* c);
  bool ReflectNotification(Message& m);
  bool HandleDialogKey(WPARAM key);
  // True when a graphic child took the message.
  bool RouteMouse(Message& m);
  void TrackMouse();
  void UpdateGraphicHover(TControl* now);

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  TControl* mouseCapture_ = nullptr;
  TControl* graphicHover_ = nullptr;
  bool tracking_ = false;
  BrushHandle brush_;
  TColor brushColor_ = clNone;

  friend class TControl;
};

// Raised for Windows API failures the runtime cannot recover from.
class EOSError : public std::exception {
 public:
  explicit EOSError(std::string what) : what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string what_;
};

}  // namespace folvane
