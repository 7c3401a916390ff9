// The five glyphs of the combo edits' browse button: three state images
// side by side over their masks (black opaque, white transparent).

#include <functional>

#include "Palette.h"
#include "Pictures.h"

namespace folvane::artgen {
namespace {

constexpr int kStateHeight = 17;

// How one state image differs from the normal one: the hot image is lit,
// the pressed one sits a pixel lower and to the right, a little darker.
struct Look {
  double lift = 0;   // towards white
  double shade = 0;  // towards black
  double dx = 0, dy = 0;
  Color c(uint32_t hex) const {
    return mix(mix(rgb(hex), rgb(0x000000), shade), rgb(0xFFFFFF), lift);
  }
  Shape at(const Shape& s) const { return translate(s, dx, dy); }
};

const Look kLooks[3] = {{0, 0, 0, 0}, {0.28, 0, 0, 0}, {0, 0.12, 1, 1}};

using StateDrawing = std::function<void(Canvas&, const Look&)>;

Pixels strip(int w, const StateDrawing& draw) {
  Pixels out;
  out.width = 3 * w;
  out.height = 2 * kStateHeight;
  out.argb.assign(static_cast<size_t>(out.width) * out.height, 0xFF000000u);
  for (int s = 0; s < 3; ++s) {
    Canvas canvas(w, kStateHeight);
    draw(canvas, kLooks[s]);
    for (int y = 0; y < kStateHeight; ++y)
      for (int x = 0; x < w; ++x) {
        const Color p = canvas.straightAt(x, y);
        const auto byte = [](double v) { return static_cast<uint32_t>(v < 0 ? 0 : v > 1 ? 255 : v * 255 + 0.5); };
        const uint32_t colour = p.a > 0 ? (byte(p.r) << 16 | byte(p.g) << 8 | byte(p.b)) : 0xFFFFFF;
        const uint32_t m = byte(1.0 - p.a);
        out.argb[static_cast<size_t>(y) * out.width + s * w + x] = 0xFF000000u | colour;
        out.argb[static_cast<size_t>(y + kStateHeight) * out.width + s * w + x] = 0xFF000000u | m << 16 | m << 8 | m;
      }
  }
  return out;
}

// An open folder: the back with its tab, and a front panel tilted forward.
void drawOpenFolder(Canvas& canvas, const Look& look, double right) {
  const Shape back = look.at(polygon({{1.5, 4}, {6, 4}, {7.5, 5.5}, {right - 3, 5.5}, {right - 3, 15.5}, {1.5, 15.5}}));
  canvas.fill(back, solid(look.c(palette::kFolderOutline)));
  canvas.fill(grow(back, -1), solid(look.c(palette::kFolderBackTop)));
  const Shape front = look.at(polygon({{4.5, 8.5}, {right - 0.5, 8.5}, {right - 3.5, 15.5}, {1.5, 15.5}}));
  canvas.fill(front, solid(look.c(palette::kFolderOutline)));
  canvas.fill(grow(front, -1), linear({0, 8.5}, look.c(palette::kFolderFrontTop), {0, 15.5}, look.c(palette::kFolderFront)));
}

}  // namespace

Pixels openFileGlyph() {
  return strip(20, [](Canvas& canvas, const Look& look) {
    drawOpenFolder(canvas, look, 17.5);
    // An arrow rising out of the folder towards the upper right.
    const Color arrow = look.c(palette::kGreenDark);
    canvas.fill(look.at(thickLine({10, 7}, {16, 2}, 1.8)), solid(arrow));
    canvas.fill(look.at(polygon({{18.8, 0.2}, {18.8, 5.4}, {13.6, 0.2}})), solid(arrow));
  });
}

Pixels openFolderGlyph() {
  return strip(20, [](Canvas& canvas, const Look& look) {
    // Papers standing in the folder, behind its front panel.
    const Shape paper = look.at(rect(5, 1.5, 15, 12));
    canvas.fill(paper, solid(look.c(palette::kPaperOutline)));
    canvas.fill(grow(paper, -1), solid(look.c(palette::kPaper)));
    for (double y : {4.0, 6.0, 8.0}) canvas.fill(look.at(rect(7, y, 13, y + 1)), solid(look.c(palette::kPaperOutline)));
    const Shape back = look.at(polygon({{1.5, 4}, {5, 4}, {5, 15.5}, {1.5, 15.5}}));
    canvas.fill(back, solid(look.c(palette::kFolderOutline)));
    const Shape front = look.at(polygon({{4.5, 9.5}, {19.5, 9.5}, {16.5, 15.5}, {1.5, 15.5}}));
    canvas.fill(front, solid(look.c(palette::kFolderOutline)));
    canvas.fill(grow(front, -1), linear({0, 9.5}, look.c(palette::kFolderFrontTop), {0, 15.5}, look.c(palette::kFolderFront)));
  });
}

Pixels calendarGlyph() {
  return strip(16, [](Canvas& canvas, const Look& look) {
    const Shape sheet = look.at(roundRect(1.5, 2.5, 14.5, 15.5, 1));
    canvas.fill(sheet, solid(look.c(palette::kPaperOutline)));
    canvas.fill(grow(sheet, -1), solid(look.c(palette::kPaper)));
    canvas.fill(look.at(rect(2.5, 3.5, 13.5, 6.5)), solid(look.c(palette::kRed)));
    for (double x : {5.0, 11.0}) canvas.fill(look.at(roundRect(x - 0.8, 1, x + 0.8, 5, 0.5)), solid(look.c(0x505862)));
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 4; ++col)
        canvas.fill(look.at(rect(3.5 + col * 2.5, 8 + row * 2.2, 5 + col * 2.5, 9.2 + row * 2.2)),
                    solid(look.c(0x6A7380)));
  });
}

Pixels ellipsisGlyph() {
  return strip(18, [](Canvas& canvas, const Look& look) {
    for (double x : {4.5, 9.0, 13.5}) canvas.fill(look.at(circle({x, 11.5}, 1.6)), solid(look.c(0x30363E)));
  });
}

Pixels calculatorGlyph() {
  return strip(19, [](Canvas& canvas, const Look& look) {
    const Shape body = look.at(roundRect(3.5, 0.5, 15.5, 16.5, 1.5));
    canvas.fill(body, solid(look.c(0x4A525C)));
    canvas.fill(grow(body, -1), solid(look.c(0x8C96A3)));
    canvas.fill(look.at(rect(5.5, 2.5, 13.5, 5.5)), solid(look.c(0xD8EBD2)));
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 3; ++col)
        canvas.fill(look.at(rect(5.5 + col * 3, 7 + row * 2.3, 7.3 + col * 3, 8.4 + row * 2.3)),
                    solid(look.c(col == 2 && row == 3 ? palette::kBlue : 0xF2F4F6)));
  });
}

}  // namespace folvane::artgen
