#pragma once
// Owners for the handles the runtime creates. Each one keeps the live count
// of its kind up to date, so tests can compare counts before and after.

#include <windows.h>

#include <utility>

#include "runtime/win/HandleCount.h"

namespace folvane {

// Owns a GDI object (font, brush, pen, bitmap, region).
template <typename H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H h) : h_(h) {
    if (h_) HandleCount::Created(HandleKind::Gdi);
  }
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  void Reset(H h = nullptr) {
    if (h_) {
      DeleteObject(h_);
      HandleCount::Released(HandleKind::Gdi);
    }
    h_ = h;
    if (h_) HandleCount::Created(HandleKind::Gdi);
  }
  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // Gives the object to someone who frees it (a window owns the region it
  // is given); it no longer counts as ours.
  H Release() {
    if (h_) HandleCount::Released(HandleKind::Gdi);
    return std::exchange(h_, nullptr);
  }

 private:
  H h_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;

class IconHandle {
 public:
  IconHandle() = default;
  explicit IconHandle(HICON h) : h_(h) {
    if (h_) HandleCount::Created(HandleKind::Icon);
  }
  ~IconHandle() { Reset(); }
  IconHandle(IconHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  IconHandle& operator=(IconHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  IconHandle(const IconHandle&) = delete;
  IconHandle& operator=(const IconHandle&) = delete;
  void Reset() {
    if (h_) {
      DestroyIcon(h_);
      HandleCount::Released(HandleKind::Icon);
    }
    h_ = nullptr;
  }
  HICON Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HICON h_ = nullptr;
};

// A memory DC compatible with the screen; selections are undone on release.
class MemoryDC {
 public:
  MemoryDC() : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) HandleCount::Created(HandleKind::DeviceContext);
  }
  ~MemoryDC() {
    if (!dc_) return;
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    HandleCount::Released(HandleKind::DeviceContext);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  void Select(HBITMAP bmp) {
    HGDIOBJ old = SelectObject(dc_, bmp);
    if (!oldBitmap_) oldBitmap_ = old;
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ oldBitmap_ = nullptr;
};

// GetDC/ReleaseDC of a window (or of the screen with a null window); with
// `wholeWindow` GetWindowDC, frame included, with (0, 0) at the window's
// top-left corner.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd, bool wholeWindow = false)
      : wnd_(wnd), dc_(wholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {
    if (dc_) HandleCount::Created(HandleKind::DeviceContext);
  }
  ~WindowDC() {
    if (dc_) {
      ReleaseDC(wnd_, dc_);
      HandleCount::Released(HandleKind::DeviceContext);
    }
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Restores whatever was selected into a DC before.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace folvane
