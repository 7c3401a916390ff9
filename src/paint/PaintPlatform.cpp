#include "paint/PaintPlatform.h"

namespace folvane {

#ifdef _WIN32
// PaintPlatform_win.cpp: GDI.
PaintPlatform& GdiPaintPlatform();
#else
namespace {

class NoPaintPlatform : public PaintPlatform {
 public:
  void StretchHalftone(PixelBuffer&, const PixelRect&, const PixelBuffer&,
                       const PixelRect&) override {}
  void FillGradientTriangles(PixelBuffer&, const std::vector<GradientVertex>&,
                             const std::vector<GradientTriangle>&) override {}
  void DrawPictureGrid(PixelBuffer&, const PixelRect&, const PixelBuffer&, PixelPoint, int,
                       int) override {}
};

}  // namespace
#endif

PaintPlatform& SystemPaintPlatform() {
#ifdef _WIN32
  return GdiPaintPlatform();
#else
  static NoPaintPlatform none;
  return none;
#endif
}

}  // namespace folvane
