#pragma once
// Where a button puts its glyph and its caption. Two rules exist: the bit
// button's text layout and the speed button's table; both place the glyph
// the same way. Window-free: the caption extent is measured by the caller.

#include "paint/PixelGeometry.h"

namespace folvane {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Horizontal placement of the glyph-and-caption block.
enum class ButtonAlign { Left, Right, Center };

struct ButtonGeometry {
  int Width = 0;        // W
  int Height = 0;       // H
  int GlyphWidth = 0;   // gw
  int GlyphHeight = 0;  // gh
  int Margin = -1;      // M
  int Spacing = 4;      // S
  int TextWidth = 0;    // tw, the measured caption
  int TextHeight = 0;   // th
  int DropDown = 0;     // D: the arrow part of a drop-down speed button
  bool HasCaption = false;  // shown and not empty
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  ButtonAlign Align = ButtonAlign::Center;
};

// The width of the box the bit button measures its caption in: 0 without a
// caption; else W - 2M, less the glyph and spacing beside a glyph.
int BitBtnCaptionBoxWidth(const ButtonGeometry& g);
// The same for the speed button, which keeps room for a glyph whatever the
// layout.
int SpeedButtonCaptionBoxWidth(const ButtonGeometry& g);

// The glyph's rectangle in paint state `state` (2 moves it by one pixel).
PixelRect GlyphRect(const ButtonGeometry& g, int state);

// The bit button's caption rectangle; `rightToLeft` swaps the left and
// right layouts.
PixelRect BitBtnCaptionRect(ButtonGeometry g, bool rightToLeft, int state);

// The speed button's caption rectangle, shifted by `textOffset`.
PixelRect SpeedButtonCaptionRect(const ButtonGeometry& g, int textOffset, int state);

}  // namespace folvane
