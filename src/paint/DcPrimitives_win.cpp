#include "paint/DcPrimitives.h"

#include <algorithm>

#include "paint/PaintColor.h"
#include "runtime/win/Control.h"
#include "runtime/win/Handles.h"

namespace folvane {

namespace {

COLORREF ToColorRef(TColor c) { return static_cast<COLORREF>(ConvertColor(c) & 0xFFFFFF); }

// Restores the DC's selected objects and state when the scope ends, before
// the objects selected into it are deleted.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

void FillWith(HDC dc, HBRUSH brush, LONG l, LONG t, LONG r, LONG b) {
  if (l >= r || t >= b) return;
  const RECT strip{l, t, r, b};
  FillRect(dc, &strip, brush);
}

}  // namespace

void FillRectColor(HDC dc, const RECT& rect, TColor color) {
  BrushHandle brush(CreateSolidBrush(ToColorRef(color)));
  if (!brush) return;
  SavedDcState state(dc);
  SelectObject(dc, brush.Get());
  FillWith(dc, brush.Get(), rect.left, rect.top, rect.right, rect.bottom);
}

void FillBorderStrips(HDC dc, const RECT& rect, int wl, int wt, int wr, int wb,
                      TColor color) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const LONG w = rect.right - rect.left, h = rect.bottom - rect.top;
  const LONG l = std::clamp<LONG>(wl, 0, w), r = std::clamp<LONG>(wr, 0, w);
  const LONG t = std::clamp<LONG>(wt, 0, h), b = std::clamp<LONG>(wb, 0, h);
  BrushHandle handle(CreateSolidBrush(ToColorRef(color)));
  const HBRUSH brush = handle.Get();
  if (!brush) return;
  FillWith(dc, brush, rect.left, rect.top, rect.right, rect.top + t);
  FillWith(dc, brush, rect.left, rect.top + t, rect.left + l, rect.bottom);
  FillWith(dc, brush, rect.left + l, rect.bottom - b, rect.right, rect.bottom);
  FillWith(dc, brush, rect.right - r, rect.top + t, rect.right, rect.bottom - b);
}

void CopyBorderFrame(HDC dest, int x, int y, int w, int h, HDC source, int srcX,
                     int srcY, int b) {
  if (w <= 0 || h <= 0 || b <= 0) return;
  if (2 * static_cast<long long>(b) >= std::min(w, h)) {
    BitBlt(dest, x, y, w, h, source, srcX, srcY, SRCCOPY);
    return;
  }
  BitBlt(dest, x, y, b, h, source, srcX, srcY, SRCCOPY);                    // left
  BitBlt(dest, x + b, y, w - b, b, source, srcX + b, srcY, SRCCOPY);        // top
  BitBlt(dest, x + w - b, y + b, b, h - b, source, srcX + w - b, srcY + b,  // right
         SRCCOPY);
  BitBlt(dest, x + b, y + h - b, w - 2 * b, b, source, srcX + b, srcY + h - b,  // bottom
         SRCCOPY);
}

void DrawFrameLines(HDC dc, RECT rect, TColor light, int count, TColor dark) {
  PenHandle lightPen(CreatePen(PS_SOLID, 1, ToColorRef(light)));
  PenHandle darkPen(CreatePen(PS_SOLID, 1, ToColorRef(dark)));
  if (!lightPen || !darkPen) return;
  SavedDcState state(dc);
  --rect.right;
  --rect.bottom;
  for (int i = 0; i < count && rect.left <= rect.right && rect.top <= rect.bottom; ++i) {
    const POINT lightLine[] = {{rect.left, rect.bottom}, {rect.left, rect.top},
                               {rect.right, rect.top}};
    SelectObject(dc, lightPen.Get());
    Polyline(dc, lightLine, 3);
    const POINT darkLine[] = {{rect.right, rect.top}, {rect.right, rect.bottom},
                              {rect.left - 1, rect.bottom}};
    SelectObject(dc, darkPen.Get());
    Polyline(dc, darkLine, 3);
    InflateRect(&rect, -1, -1);
  }
}

void ExcludeGraphicChildren(HDC dc, const TWinControl& control, int x, int y) {
  for (const TControl* child : control.Controls()) {
    if (!child || !child->Visible() || child->IsWindowed()) continue;
    const RECT r = child->BoundsRect();
    ExcludeClipRect(dc, r.left + x, r.top + y, r.right + x, r.bottom + y);
  }
}

}  // namespace folvane
