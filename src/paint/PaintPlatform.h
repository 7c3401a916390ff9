#pragma once
// The one seam between skin painting and the platform's drawing: the few
// operations painting leaves to the system - halftone stretching, triangle
// gradient fills and a picture drawn with the canvas clipped. The Windows
// build draws them with GDI; tests record what would be drawn where.
// Everything else painting does is exact pixel arithmetic of its own.

#include <vector>

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

struct GradientVertex {
  int X = 0;
  int Y = 0;
  TColor Color = 0;  // RGB
};

// Three indexes into a vertex list.
struct GradientTriangle {
  int A = 0, B = 0, C = 0;
};

class PaintPlatform {
 public:
  virtual ~PaintPlatform() = default;

  // Stretches `sourceRect` of `source` (inside it, not empty) over
  // `destRect` of the 24-bit `dest` with the platform's halftone mode; only
  // pixels inside `dest` change.
  virtual void StretchHalftone(PixelBuffer& dest, const PixelRect& destRect,
                               const PixelBuffer& source, const PixelRect& sourceRect) = 0;

  // Fills triangles shaded between their vertices' colours, as the
  // platform's triangle gradient fill does; only pixels inside `dest`
  // change.
  virtual void FillGradientTriangles(PixelBuffer& dest,
                                     const std::vector<GradientVertex>& vertices,
                                     const std::vector<GradientTriangle>& triangles) = 0;

  // Draws `picture` whole at origin + (i * width, j * height) for
  // i < columns, j < rows, changing only pixels inside `clip` and `dest`.
  virtual void DrawPictureGrid(PixelBuffer& dest, const PixelRect& clip,
                               const PixelBuffer& picture, PixelPoint origin, int columns,
                               int rows) = 0;
};

// GDI in the Windows build. The window-free build has no platform to draw
// with: there these operations draw nothing (its tests pass a recorder).
PaintPlatform& SystemPaintPlatform();

}  // namespace folvane
