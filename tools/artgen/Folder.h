#pragma once
// The folder every picture of the program is built around, and the vane
// badge that marks it as ours.

#include "Canvas.h"

namespace folvane::artgen {

// The shapes and the rasteriser are shared with the skin's picture generator.
using namespace folvane::drawing;

// Edges in canvas pixels; whole numbers keep the outline on pixel rows.
struct FolderGeometry {
  double left = 0, right = 0;
  double tabTop = 0;    // top of the tab at the back's left
  double tabRight = 0;  // where the tab's top edge ends and its slope begins
  double slopeEnd = 0;  // where the slope reaches the back's top edge
  double backTop = 0;
  double frontTop = 0;  // the front panel covers the back from here down
  double bottom = 0;
  double radius = 0;
  double line = 1;      // outline width
  bool paper = false;   // a sheet peeking out between back and front
};

// Geometry for a folder filling a square of `size` pixels, tuned by hand for
// the small sizes where every pixel shows.
FolderGeometry folderForIcon(int size);
// The folder scaled by `scale`, then moved by (dx, dy); the outline keeps its width.
FolderGeometry scaledFolder(const FolderGeometry& g, double scale, double dx, double dy);

void drawFolder(Canvas& canvas, const FolderGeometry& g);
// The folder's outer edge, for cutting signs into it.
Shape folderSilhouette(const FolderGeometry& g);

// The brand mark: a four-bladed vane in a white-ringed disc.
void drawVaneBadge(Canvas& canvas, Point centre, double radius);

}  // namespace folvane::artgen
