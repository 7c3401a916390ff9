#include "runtime/win/Control.h"

#include <windowsx.h>

#include "runtime/win/Application.h"
#include "runtime/win/Form.h"

namespace folvane {

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](Message& m) { WndProc(m); };
}

TControl::~TControl() {
  MarkDestroying();
  if (parent_) parent_->RemoveChild(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  Message m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveChild(this);
  parent_ = parent;
  if (parent_) {
    parent_->AddChild(this);
    if (!IsWindowed()) {
      Invalidate();
    } else if (parent_->HandleAllocated()) {
      static_cast<TWinControl*>(this)->HandleNeeded();
    }
  }
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (!IsWindowed()) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
  if (!IsWindowed()) Invalidate();
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (parent_) parent_->InvalidateArea(BoundsRect());
  Perform(CM_VISIBLECHANGED, visible);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
    if (!c->parent_) {
      const auto* w = dynamic_cast<const TWinControl*>(c);
      return w && w->HandleAllocated() && IsWindowVisible(w->Handle());
    }
  }
  return false;
}

void TControl::SetCaption(const std::wstring& text) {
  if (caption_ == text) return;
  caption_ = text;
  Perform(CM_TEXTCHANGED);
  Invalidate();
}

void TControl::FontChanged() {
  Perform(CM_FONTCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  color_ = color;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
  if (parent_) parent_->InvalidateArea(BoundsRect());
}

void TControl::Repaint() {
  Invalidate();
  for (const TControl* c = this; c; c = c->parent_) {
    if (c->IsWindowed()) {
      const auto* w = static_cast<const TWinControl*>(c);
      if (w->HandleAllocated()) UpdateWindow(w->Handle());
      return;
    }
  }
}

void TControl::WndProc(Message& m) {
  switch (m.msg) {
    case CM_MOUSEENTER:
      mouseIn_ = true;
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      mouseIn_ = false;
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case WM_MOUSEMOVE:
      if (OnMouseMove)
        OnMouseMove(this, GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      const int x = GET_X_LPARAM(m.lParam), y = GET_Y_LPARAM(m.lParam);
      // A windowed control's own window class reports its clicks (a button
      // by BN_CLICKED); a second click here would run the handler twice.
      if (wasPressed && enabled_ && !IsWindowed() && x >= 0 && y >= 0 && x < width_ &&
          y < height_)
        Click();
      break;
    }
    default:
      break;
  }
}

}  // namespace folvane
