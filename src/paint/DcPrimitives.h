#pragma once
// Drawing helpers that work on a device context (Windows build only).

#include <windows.h>

#include "runtime/PixelBuffer.h"

namespace folvane {

// Fills `rect` with the converted colour; the DC's state is restored.
void FillRectColor(HDC dc, const RECT& rect, TColor color);

// Fills the four border strips of `rect` with widths wl, wt, wr, wb (each
// kept to 0 ... the rectangle's size): top (Left, Top, Right, Top + wt),
// left (Left, Top + wt, Left + wl, Bottom), bottom (Left + wl, Bottom - wb,
// Right, Bottom), right (Right - wr, Top + wt, Right, Bottom - wb).
void FillBorderStrips(HDC dc, const RECT& rect, int wl, int wt, int wr, int wb,
                      TColor color);

// Copies the frame `b` pixels wide of the w x h area at (srcX, srcY) of
// `source` to (x, y) of `dest`, leaving the inside alone. A frame as wide as
// half the area or more is the whole area.
void CopyBorderFrame(HDC dest, int x, int y, int w, int h, HDC source, int srcX,
                     int srcY, int b);

// `count` nested one-pixel bevels inside `rect`: light top and left lines,
// dark right and bottom ones. Stops early when the rectangle runs out.
void DrawFrameLines(HDC dc, RECT rect, TColor light, int count, TColor dark);

class TWinControl;

// Excludes every visible child of `control` that has no window of its own,
// moved by (x, y), from the DC's clipping region, in list order.
void ExcludeGraphicChildren(HDC dc, const TWinControl& control, int x, int y);

}  // namespace folvane
