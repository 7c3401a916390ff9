// The two pictures of their own: the huge button (three 96 x 96 states with
// their masks, slices 48, 48, 47, 47) and the soft light in the caption's
// top-left corner (one 160 x 20 glyph with its mask).

#include <algorithm>
#include <cmath>

#include "Draw.h"
#include "Layout.h"
#include "Palette.h"

namespace folvane::skingen {
namespace {

namespace pal = palette;

}  // namespace

// The push button's look at a large size, with a soft shadow below it. The
// face is flat around row 48, the row the slices repeat, and shades only
// near its top and bottom, so a button drawn smaller than 96 pixels (whose
// slices are shrunk from the middle) shows no step.
Art hugeButton(int state) {
  struct Look {
    uint32_t outline, top, middle, bottom;
    double highlight;
  };
  static const Look looks[3] = {{pal::kLineButton, 0xFFFFFF, 0xEEEFF0, 0xE0E1E2, 0.8},
                                {pal::kAccent600, 0xF7FBFE, 0xE0EEF9, 0xCCE3F4, 0.75},
                                {pal::kAccent700, 0xC2DAEE, 0xD0E3F3, 0xDDEBF7, 0.0}};
  const Look& look = looks[state];
  Art a(96, 96);
  a.canvas.fillSoft(roundRect(4, 5, 92, 94, 12), solid(rgb(0x000000)), 1.5, 0.14);
  const Shape outer = roundRect(3, 2, 93, 92, 12);
  fill(a, outer, look.outline);
  const Shape face = roundRect(4, 3, 92, 91, 11);
  fill(a, face, look.middle);
  fillVertical(a, intersect(face, rect(0, 0, 96, 24)), look.top, look.middle, 3, 24);
  fillVertical(a, intersect(face, rect(0, 70, 96, 96)), look.middle, look.bottom, 70, 91);
  if (look.highlight > 0)
    fill(a, ring(face, roundRect(5, 4, 91, 90, 10)), pal::kWhite, look.highlight);
  return a;
}

// White light falling from the top-left corner, strongest there and gone
// well before the caption text; it keeps both caption colours but lifts them.
Art titleSheen(int) {
  Art a(160, 20);
  const Paint light = [](Point p) {
    const double d = std::hypot(p.x / 150.0, p.y / 17.0);  // gone by row 17
    const double t = std::clamp(1.0 - d, 0.0, 1.0);
    return Color{1, 1, 1, 0.3 * t * t * (3 - 2 * t)};
  };
  a.canvas.fill(rect(0, 0, 160, 20), light);
  return a;
}

}  // namespace folvane::skingen
