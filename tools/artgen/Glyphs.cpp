#include "Folder.h"
#include "Palette.h"
#include "Pictures.h"

namespace folvane::artgen {
namespace {

constexpr int kGlyphSize = 32;

// The folder of the glyphs that carry a sign: up and to the left, leaving the
// lower right corner to the sign.
FolderGeometry signedFolder() { return {1, 28, 4, 11, 14, 6, 11, 26, 2, 1, true}; }

// A disc with a darker rim, lit from above.
void drawDisc(Canvas& canvas, Point c, double radius, uint32_t light, uint32_t base, uint32_t rim) {
  canvas.fill(circle(c, radius), solid(rgb(rim)));
  canvas.fill(circle(c, radius - 1),
              linear({c.x, c.y - radius}, rgb(light), {c.x, c.y + radius}, rgb(base)));
}

Shape plusSign(Point c, double arm, double width) {
  return unite(roundRect(c.x - arm, c.y - width / 2, c.x + arm, c.y + width / 2, width * 0.25),
               roundRect(c.x - width / 2, c.y - arm, c.x + width / 2, c.y + arm, width * 0.25));
}

Shape crossSign(Point c, double arm, double width) {
  return unite(thickLine({c.x - arm, c.y - arm}, {c.x + arm, c.y + arm}, width),
               thickLine({c.x - arm, c.y + arm}, {c.x + arm, c.y - arm}, width));
}

// A sign over the folder: a gap cut around it parts the two (the button face
// shows through) and the folder keeps its outline along the cut; then the
// sign with a dark edge and a lighter body.
void drawSign(Canvas& canvas, const FolderGeometry& folder, const Shape& sign, uint32_t edge, uint32_t top,
              uint32_t bottom) {
  const Box& b = sign.bounds;
  constexpr double kGap = 1.5;
  canvas.fill(intersect(grow(sign, kGap + folder.line), grow(folderSilhouette(folder), -0.01)),
              solid(rgb(palette::kFolderOutline)));
  canvas.erase(grow(sign, kGap));
  canvas.fill(sign, solid(rgb(edge)));
  canvas.fill(grow(sign, -1.0), linear({0, b.top}, rgb(top), {0, b.bottom}, rgb(bottom)));
}

Pixels keyed(const Canvas& canvas, uint32_t key) { return toHardEdge(canvas, key); }

}  // namespace

Pixels applyGlyph() {
  Canvas canvas(kGlyphSize, kGlyphSize);
  const FolderGeometry folder = signedFolder();
  drawFolder(canvas, folder);
  drawSign(canvas, folder, plusSign({24, 24}, 7, 5), palette::kGreenDark, 0x62C079, palette::kGreen);
  return keyed(canvas, kKeyRed);
}

Pixels removeGlyph() {
  Canvas canvas(kGlyphSize, kGlyphSize);
  const FolderGeometry folder = signedFolder();
  drawFolder(canvas, folder);
  drawSign(canvas, folder, crossSign({24, 24}, 4.5, 5.4), palette::kRedDark, 0xEE5050, palette::kRed);
  return keyed(canvas, kKeyCyan);
}

Pixels clearGlyph() {
  Canvas canvas(kGlyphSize, kGlyphSize);
  drawFolder(canvas, folderForIcon(kGlyphSize));
  return keyed(canvas, kKeyRed);
}

Pixels aboutGlyph() {
  Canvas canvas(kGlyphSize, kGlyphSize);
  const Point c{16, 16};
  drawDisc(canvas, c, 14, 0x6FA4EC, palette::kBlue, palette::kBlueDark);
  const Paint white = solid(rgb(palette::kWhite));
  canvas.fill(circle({16, 9.5}, 2.25), white);
  canvas.fill(roundRect(14, 13.5, 18, 24, 1.2), white);
  return keyed(canvas, kKeyRed);
}

Pixels closeGlyph() {
  Canvas canvas(kGlyphSize, kGlyphSize);
  const Point c{16, 16};
  drawDisc(canvas, c, 14, 0xEE6A5E, 0xD8433A, 0xA52C25);
  canvas.fill(crossSign(c, 5.2, 3.9), solid(rgb(palette::kWhite)));
  return keyed(canvas, kKeyGreen);
}

Pixels okGlyph() {
  constexpr int kSize = 18;
  const Shape check = unite(thickLine({3.5, 9.5}, {7.2, 13.2}, 3.4), thickLine({7.2, 13.2}, {14.5, 4.5}, 3.4));
  Canvas normal(kSize, kSize);
  normal.fill(check, solid(rgb(palette::kGreenDark)));
  normal.fill(grow(check, -1), linear({0, 4}, rgb(0x5CC272), {0, 14}, rgb(palette::kGreen)));
  Canvas disabled(kSize, kSize);
  // The platform's disabled look: a white copy one pixel down and right,
  // the grey shape above it.
  disabled.fill(translate(check, 1, 1), solid(rgb(0xFFFFFF)));
  disabled.fill(check, solid(rgb(0x808080)));
  return sideBySide({toHardEdge(normal, kKeyOlive), toHardEdge(disabled, kKeyOlive)});
}

Pixels defaultFolderPicture() {
  Canvas canvas(kGlyphSize, kGlyphSize);
  drawFolder(canvas, folderForIcon(kGlyphSize));
  return toHardEdge(canvas, 0);
}

}  // namespace folvane::artgen
