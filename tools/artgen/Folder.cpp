#include "Folder.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"

namespace folvane::artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

Shape backShape(const FolderGeometry& g) {
  const double r = g.radius, small = g.radius * 0.6;
  return polygon(roundCorners({{g.left, g.tabTop}, {g.tabRight, g.tabTop}, {g.slopeEnd, g.backTop},
                               {g.right, g.backTop}, {g.right, g.bottom}, {g.left, g.bottom}},
                              {r, small, small, r, r, r}));
}

Shape frontShape(const FolderGeometry& g) {
  return roundRect(g.left, g.frontTop, g.right, g.bottom, g.radius);
}

// Fills `shape` with its outline colour, then its inside with `inner`.
void outlined(Canvas& canvas, const Shape& shape, double line, uint32_t outline, const Paint& inner) {
  canvas.fill(shape, solid(rgb(outline)));
  canvas.fill(grow(shape, -line), inner);
}

void drawPaper(Canvas& canvas, const FolderGeometry& g) {
  const double inset = g.line + std::round((g.right - g.left) * 0.07);
  const double top = g.backTop + std::max(1.0, std::round((g.frontTop - g.backTop) * 0.4));
  const Shape sheet = roundRect(g.left + inset, top, g.right - inset, g.frontTop + g.line + 2, g.radius * 0.5);
  outlined(canvas, sheet, g.line, palette::kPaperOutline,
           linear({0, top}, rgb(palette::kPaper), {0, g.frontTop}, rgb(palette::kPaperShade)));
}

}  // namespace

FolderGeometry folderForIcon(int size) {
  switch (size) {
    case 16: return {1, 15, 2, 6, 8, 4, 6, 14, 1.2, 1, false};
    case 24: return {1, 23, 3, 9, 11, 5, 9, 21, 1.5, 1, false};
    case 32: return {2, 30, 4, 12, 15, 7, 12, 28, 2, 1, true};
    case 48: return {3, 45, 6, 18, 22, 10, 17, 42, 3, 1, true};
    default: break;
  }
  FolderGeometry g = scaledFolder(folderForIcon(48), size / 48.0, 0, 0);
  g.line = std::max(1.0, std::round(size / 96.0));
  return g;
}

FolderGeometry scaledFolder(const FolderGeometry& g, double scale, double dx, double dy) {
  FolderGeometry s = g;
  for (double* x : {&s.left, &s.right, &s.tabRight, &s.slopeEnd}) *x = *x * scale + dx;
  for (double* y : {&s.tabTop, &s.backTop, &s.frontTop, &s.bottom}) *y = *y * scale + dy;
  s.radius *= scale;
  return s;
}

Shape folderSilhouette(const FolderGeometry& g) { return unite(backShape(g), frontShape(g)); }

void drawFolder(Canvas& canvas, const FolderGeometry& g) {
  outlined(canvas, backShape(g), g.line, palette::kFolderOutline,
           linear({0, g.tabTop}, rgb(palette::kFolderBackTop), {0, g.bottom}, rgb(palette::kFolderBackBottom)));
  if (g.paper) drawPaper(canvas, g);
  const Shape front = frontShape(g);
  const double middle = (g.frontTop + g.bottom) / 2;
  outlined(canvas, front, g.line, palette::kFolderOutline,
           [=](Point p) {
             return p.y < middle
                        ? mix(rgb(palette::kFolderFrontTop), rgb(palette::kFolderFront), (p.y - g.frontTop) / (middle - g.frontTop))
                        : mix(rgb(palette::kFolderFront), rgb(palette::kFolderFrontBottom), (p.y - middle) / (g.bottom - middle));
           });
  // A lit rim just inside the front's top edge.
  const Shape inner = grow(front, -g.line);
  const Shape rim = intersect(inner, roundRect(g.left, g.frontTop, g.right, g.frontTop + 2 * g.line, 0));
  canvas.fill(rim, solid(rgb(palette::kFolderHighlight)), 0.9);
}

void drawVaneBadge(Canvas& canvas, Point c, double radius) {
  canvas.fill(circle(c, radius), solid(rgb(palette::kBadgeOutline)));
  const double rim = std::max(0.75, radius * 0.05);
  canvas.fill(circle(c, radius - rim), solid(rgb(palette::kBadgeRing)));
  // Small badges have no room for the white ring: the blades fill the disc.
  const bool small = radius < 10;
  const double blade = small ? radius - rim : radius * 0.86;
  for (int k = 0; k < 4; ++k) {
    const double a = -kPi / 2 + k * kPi / 2;
    const auto at = [&](double angle, double length) {
      return Point{c.x + length * std::cos(angle), c.y + length * std::sin(angle)};
    };
    const Point tip = at(a, blade);
    if (small) {
      // Each quarter lit on its leading half and shaded on the other, which
      // still reads as a turning vane at a handful of pixels.
      const Shape disc = circle(c, blade);
      canvas.fill(intersect(disc, polygon({c, at(a, 2 * blade), at(a + kPi / 4, 2 * blade)})),
                  solid(rgb(palette::kVaneLit[k])));
      canvas.fill(intersect(disc, polygon({c, at(a + kPi / 4, 2 * blade), at(a + kPi / 2, 2 * blade)})),
                  solid(rgb(palette::kVaneShade[k])));
      continue;
    }
    // Each blade is a folded sheet: a shaded back half and a lit front half.
    const Point back = at(a + kPi / 2 * 0.92, blade * 0.8);
    const Point fold = at(a + kPi / 4, blade * 0.55);
    canvas.fill(polygon({c, tip, back}), solid(rgb(palette::kVaneShade[k])));
    canvas.fill(polygon({c, tip, fold}), solid(rgb(palette::kVaneLit[k])));
  }
  canvas.fill(circle(c, std::max(small ? 1.0 : 0.8, radius * 0.12)), solid(rgb(palette::kVaneHub)));
}

}  // namespace folvane::artgen
