// Borders: the nine-slice sources of frames, buttons, tabs and lines. Every
// corner that a window region or a control's region is cut from has a hard
// silhouette (Art::cutTo); the rest is drawn for the slices the options file
// gives (see Layout.cpp for the sizes).

#include <utility>

#include "Draw.h"
#include "Layout.h"
#include "Palette.h"

namespace folvane::skingen {
namespace {

namespace pal = palette;

// The 5 x 5 tab drawn with its open side at the bottom, turned to `side`.
Art turned(const Art& top, TabSide side) {
  const int n = top.width();
  Art out(n, n);
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      int sx = x, sy = y;
      switch (side) {
        case TabSide::Top: break;
        case TabSide::Bottom: sy = n - 1 - y; break;
        case TabSide::Left: sx = y; sy = x; break;
        case TabSide::Right: sx = y; sy = n - 1 - x; break;
      }
      out.canvas.set(x, y, top.canvas.at(sx, sy));
      out.outside[static_cast<size_t>(y) * n + x] = top.outside[static_cast<size_t>(sy) * n + sx];
    }
  }
  return out;
}

}  // namespace

// 257 x 17 per state (inactive, active), slices of 4: a one-pixel outline,
// a light line inside it, then the client colour, so that the frame reads as
// a thin line around the form whatever the system's frame thickness.
Art formFrame(int state) {
  Art a(257, 17);
  const Shape outer = roundRect(0, 0, 257, 17, 4);
  fill(a, outer, state ? pal::kAccent800 : pal::kOutlineIdle);
  fill(a, roundRect(1, 1, 256, 16, 3), state ? 0xF3F6F8 : 0xF6F6F6);
  fill(a, roundRect(2, 2, 255, 15, 2), pal::kForm);
  a.cutTo(outer);
  return a;
}

// 14 x 8 per state with its mask, slices 6, 6, 6, 1: the caption's outline,
// rounder at the top than the window frame (whose top corners it covers and
// whose corner cut it contains), a soft highlight inside it and a separator
// line at the bottom; the gradient shows through the rest.
Art captionFrame(int state) {
  Art a(14, 8);
  const Shape outer = roundTop(0, 0, 14, 8, 6);
  const Shape inner = roundTop(1, 1, 13, 9, 5);
  fill(a, ring(outer, inner), state ? pal::kAccent800 : pal::kOutlineIdle);
  fill(a, ring(inner, roundTop(2, 2, 12, 9, 4)), pal::kWhite, state ? 0.32 : 0.55);
  fill(a, rect(1, 7, 13, 8), state ? 0x4A7A9A : 0xBDBDBD);
  a.cutTo(outer);
  return a;
}

// 7 x 9, slices of 2: a cool grey line with cut corners, a hint of an inset
// shadow along the top, white inside.
Art editFrame(int) {
  Art a(7, 9);
  const Shape outer = roundRect(0, 0, 7, 9, 2);
  fill(a, outer, pal::kLineEdit);
  fill(a, roundRect(1, 1, 6, 8, 1), pal::kWhite);
  fill(a, rect(2, 1, 5, 2), 0xEEF0F2);
  a.cutTo(outer);
  return a;
}

// 17 x 21 per state, slices 8, 10, 8, 10, stretched: the top ten rows run
// into the flat middle (row 10) and out again in the bottom ten, so the face
// keeps its soft gradient at any height.
Art buttonFrame(int state) {
  struct Look {
    uint32_t outline, top, bottom;
    double highlight;
  };
  static const Look looks[3] = {{pal::kLineButton, 0xFDFDFD, 0xE2E3E4, 0.8},
                                {pal::kAccent600, 0xF5FAFE, 0xD0E5F5, 0.75},
                                {pal::kAccent700, 0xC4DCEF, 0xDCEBF7, 0.0}};
  const Look& look = looks[state];
  Art a(17, 21);
  const Shape outer = roundRect(0, 0, 17, 21, 3);
  fill(a, outer, look.outline);
  fillVertical(a, roundRect(1, 1, 16, 20, 2), look.top, look.bottom, 1, 20);
  if (look.highlight > 0)
    fill(a, ring(roundRect(1, 1, 16, 20, 2), roundRect(2, 2, 15, 19, 1)), pal::kWhite, look.highlight);
  else
    fill(a, rect(2, 1, 15, 2), 0x000000, 0.08);  // pressed in: a faint shadow under the top
  a.cutTo(outer);
  return a;
}

// 7 x 7 per state (the first is never shown: the options skip state 0), a
// light accent face for tool, combo and up-down buttons; pressed darkens the
// outline and lays a faint shadow under the top. The middle matches the
// sections' HotColor, which fills it when the centre slice is not drawn.
Art flatButtonFrame(int state) {
  Art a(7, 7);
  const Shape outer = roundRect(0, 0, 7, 7, 2);
  const bool pressed = state == 2;
  fill(a, outer, pressed ? pal::kAccent500 : pal::kAccent300);
  fillVertical(a, roundRect(1, 1, 6, 6, 1), pressed ? pal::kAccent200 : pal::kAccent50, pal::kAccent100, 1, 3.5);
  a.cutTo(outer);
  return a;
}

// 7 x 7 with its mask, slices of 3: a grey rounded line with a white line
// inside, an etched look on grey surfaces that vanishes on white ones.
Art boxFrame(int) {
  Art a(7, 7);
  fill(a, ring(roundRect(0, 0, 7, 7, 2.5), roundRect(1, 1, 6, 6, 1.5)), pal::kLineBox);
  fill(a, ring(roundRect(1, 1, 6, 6, 1.5), roundRect(2, 2, 5, 5, 0.5)), pal::kWhite, 0.7);
  return a;
}

// 7 x 7 with its mask, slices of 3 (also the menu's border width): the
// popup's outline and inner highlight; its corners shape the popup's region.
Art menuFrame(int) {
  Art a(7, 7);
  const Shape outer = roundRect(0, 0, 7, 7, 3);
  fill(a, ring(outer, roundRect(1, 1, 6, 6, 2)), pal::kLineMenu);
  fill(a, ring(roundRect(1, 1, 6, 6, 2), roundRect(2, 2, 5, 5, 1)), pal::kWhite, 0.9);
  a.cutTo(outer);
  return a;
}

// 5 x 5, slices of 2: the outline and inner light of a hot menu item; the
// section's hot gradient fills the middle.
Art menuItemFrame(int) {
  Art a(5, 5);
  const Shape outer = roundRect(0, 0, 5, 5, 2);
  fill(a, outer, pal::kAccent300);
  fill(a, roundRect(1, 1, 4, 4, 1), 0xF4F9FD);
  fill(a, rect(2, 2, 3, 3), pal::kAccent100);
  a.cutTo(outer);
  return a;
}

// 9 x 9 per state, slices of 4: a rounded thumb two pixels inside the track,
// so thumbs and arrow buttons float on it. Normal and hot differ in colour
// (the sections' Color and HotColor, which fill the middle when the centre
// slice is not drawn); pressed, which shares HotColor, is framed by a dark
// rim two pixels deep, so that it reads as held down beside a hot one.
Art thumbFrame(int state) {
  Art a(9, 9);
  fill(a, rect(0, 0, 9, 9), pal::kTrack);
  if (state != 2) {
    fill(a, roundRect(2, 2, 7, 7, 2), pal::kThumb[state]);
    return a;
  }
  fill(a, roundRect(2, 2, 7, 7, 2), pal::kThumbRim);
  fill(a, roundRect(3, 3, 6, 6, 1), pal::kThumbRimInner);
  fill(a, rect(4, 4, 5, 5), pal::kThumb[1]);
  return a;
}

// 5 x 5, slices of 2: the groove of a track bar.
Art sliderChannel(int) {
  Art a(5, 5);
  const Shape outer = roundRect(0, 0, 5, 5, 1.5);
  fill(a, outer, 0xAEB3B8);
  fill(a, roundRect(1, 1, 4, 4, 0.5), 0xE4E7EA);
  a.cutTo(outer);
  return a;
}

// 5 x 5 per state, slices of 2: normal, hot and selected tabs. The selected
// tab is open towards the page body, the others are closed by a line.
Art tabFrame(TabSide side, int state) {
  static const uint32_t faces[3] = {0xF3F3F3, pal::kAccent50, pal::kWhite};
  Art a(5, 5);
  const Shape outer = roundTop(0, 0, 5, 5, 2);
  fill(a, outer, state == 1 ? pal::kAccent300 : pal::kLineBox);
  fill(a, roundTop(1, 1, 4, state == 2 ? 5 : 4, 1), faces[state]);
  a.cutTo(outer);
  return turned(a, side);
}

// 3 x 3: an etched vertical line, dark then white. The options give it no
// top and bottom slices, so only the two outer columns are ever drawn: a
// divider of any width shows the line and no key-coloured middle.
Art verticalDivider(int) {
  Art a(3, 3);
  fill(a, rect(0, 0, 1, 3), 0xC6C6C6);
  fill(a, rect(2, 0, 3, 3), pal::kWhite);
  return a;
}

// 3 x 2: the etched horizontal line between menu items.
Art horizontalDivider(int) {
  Art a(3, 2);
  fill(a, rect(0, 0, 3, 1), 0xD2D2D2);
  fill(a, rect(0, 1, 3, 2), pal::kWhite);
  return a;
}

// 3 x 3, top slice of 2: the status bar's edge towards the form.
Art statusBarTop(int) {
  Art a(3, 3);
  fill(a, rect(0, 0, 3, 1), 0xCDCDCD);
  fill(a, rect(0, 1, 3, 2), pal::kWhite);
  return a;
}

// 3 x 3, right slice of 2: the edge between a menu's icon column and its
// items.
Art iconColumnEdge(int) {
  Art a(3, 3);
  fill(a, rect(1, 0, 2, 3), 0xE0E0E0);
  fill(a, rect(2, 0, 3, 3), pal::kWhite);
  return a;
}

// 3 x 3 per state, right and bottom slices of 1: the separator and base
// line of a column header; they take the accent when hot or pressed.
Art columnHeaderFrame(int state) {
  static const std::pair<uint32_t, uint32_t> lines[3] = {
      {0xE2E2E2, 0xD5D5D5}, {pal::kAccent200, pal::kAccent300}, {pal::kAccent300, pal::kAccent600}};
  Art a(3, 3);
  fill(a, rect(2, 0, 3, 2), lines[state].first);
  fill(a, rect(0, 2, 3, 3), lines[state].second);
  return a;
}

}  // namespace folvane::skingen
