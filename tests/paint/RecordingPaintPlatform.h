#pragma once
// Records what the platform would draw where, and marks the destination
// rectangle of each call with a solid colour so that pixel checks see
// exactly which pixels the platform was given.

#include <string>
#include <vector>

#include "paint/PaintColor.h"
#include "paint/PaintPlatform.h"

namespace folvane::test {

class RecordingPaintPlatform : public PaintPlatform {
 public:
  struct Stretch {
    PixelRect dest, source;
    const PixelBuffer* from;
  };
  struct Triangles {
    std::vector<GradientVertex> vertices;
    std::vector<GradientTriangle> triangles;
  };
  struct Grid {
    PixelRect clip;
    PixelPoint origin;
    int columns, rows;
  };

  explicit RecordingPaintPlatform(TColor mark = 0x00FF00) : mark_(mark) {}

  void StretchHalftone(PixelBuffer& dest, const PixelRect& destRect, const PixelBuffer& source,
                       const PixelRect& sourceRect) override {
    stretches.push_back({destRect, sourceRect, &source});
    Mark(dest, destRect);
  }
  void FillGradientTriangles(PixelBuffer&, const std::vector<GradientVertex>& v,
                             const std::vector<GradientTriangle>& t) override {
    triangles.push_back({v, t});
  }
  void DrawPictureGrid(PixelBuffer& dest, const PixelRect& clip, const PixelBuffer&,
                       PixelPoint origin, int columns, int rows) override {
    grids.push_back({clip, origin, columns, rows});
    Mark(dest, clip);
  }

  std::vector<Stretch> stretches;
  std::vector<Triangles> triangles;
  std::vector<Grid> grids;

 private:
  void Mark(PixelBuffer& dest, const PixelRect& r) const {
    const PixelRect c = ClampRect(r, dest.Width(), dest.Height());
    for (int y = c.Top; y < c.Bottom; ++y)
      for (int x = c.Left; x < c.Right; ++x) dest.SetColor(x, y, mark_);
  }
  TColor mark_;
};

}  // namespace folvane::test
