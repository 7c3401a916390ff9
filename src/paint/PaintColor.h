#pragma once
// Colour values of the renderer: the transparent key colour, conversion of
// system colour codes, channel access, and the rounding every float blend
// uses.

#include <cstdint>

#include "runtime/PixelBuffer.h"

namespace folvane {

// The transparent colour of every skin picture: blue 255, green 0, red 255.
// Compared on all three bytes, never with a tolerance.
constexpr TColor KeyColor = 0xFF00FF;
// "No colour" of the options file and of the component properties.
constexpr TColor NoColor = 0x1FFFFFFF;
// Keys at or above this value mean that a keyed operation has no key.
constexpr TColor NoKeyThreshold = 0xFF000000;

constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr TColor RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor{r} | TColor{g} << 8 | TColor{b} << 16;
}

// A pixel's three bytes (blue, green, red in memory) as a colour.
inline TColor ColorAt(const std::uint8_t* p) { return RgbColor(p[2], p[1], p[0]); }
inline bool PixelIs(const std::uint8_t* p, TColor c) {
  return p[0] == BlueOf(c) && p[1] == GreenOf(c) && p[2] == RedOf(c);
}
inline void PutColor(std::uint8_t* p, TColor c) {
  p[0] = BlueOf(c);
  p[1] = GreenOf(c);
  p[2] = RedOf(c);
}

// A system colour (high bit set; 0xFF0000xx names colour xx) becomes its
// RGB value; anything else is already RGB and comes back unchanged.
TColor ConvertColor(TColor c);

// System colour `index` as painting sees it: the running system's in the
// Windows build, the skin code's fixed classic table in the window-free
// build, so that tests see fixed numbers.
TColor SystemColor(int index);
class SystemColors;
const SystemColors& PaintSystemColors();

// Round to nearest, halves to even, independent of the FPU's rounding mode.
double RoundHalfEven(double v);
// A rounded float channel value kept to 0..255.
std::uint8_t RoundToByte(double v);

// Percentages 0..100 and fractions 0..1 as the blends accept them; anything
// outside (NaN included) is brought to the nearest end before byte
// arithmetic sees it.
int ClampPercent(int percent);
double ClampFraction(double f);

// Each channel Round(x * a + (1 - x) * b); the result keeps a's top byte.
TColor LerpColors(TColor a, TColor b, double x);

}  // namespace folvane
