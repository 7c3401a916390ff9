#pragma once
// A button's glyph drawn into its face: one image or several side by side,
// greyed, blended with the face or half transparent when disabled, the
// transparent colour taken from the image itself. Window-free.

#include <cstdint>

#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

// TsDisabledGlyphKind is a set of these flags.
enum TsDisabledGlyphKindFlag : std::uint8_t { dgBlended = 1u << 0, dgGrayed = 1u << 1 };
using TsDisabledGlyphKind = std::uint8_t;

struct GlyphLook {
  bool Enabled = true;
  int State = 0;       // 0 normal, 1 hot, 2 pressed
  bool Down = false;   // the button is held down (shows image 3 of 4 or more)
  bool Grayed = false;
  int Blend = 0;       // 0..100: the face's share over an idle glyph
  TsDisabledGlyphKind DisabledKind = dgBlended;
};

// The image of a `numGlyphs`-image glyph that `look` shows.
int GlyphImageIndex(int numGlyphs, const GlyphLook& look);

// Draws `glyph` (NumGlyphs images side by side, 24 or 32 bits) with its top
// left corner at `at` of the 24-bit `face`. Each image's transparent colour
// is its bottom-left pixel (a disabled image of several uses the first
// image's).
void DrawButtonGlyph(PixelBuffer& face, PixelPoint at, const PixelBuffer& glyph, int numGlyphs,
                     const GlyphLook& look);

// Draws an image-list picture whose uncovered areas hold `fill`; `greyKey`
// is the colour greying leaves alone.
void DrawImageListGlyph(PixelBuffer& face, PixelPoint at, const PixelBuffer& image, TColor fill,
                        TColor greyKey, const GlyphLook& look);

}  // namespace folvane
