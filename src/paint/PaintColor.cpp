#include "paint/PaintColor.h"

#include <algorithm>
#include <cmath>

namespace folvane {

#ifdef _WIN32
// PaintColor_win.cpp: the live system colours.
TColor PlatformSystemColor(int index);
#endif

TColor SystemColor(int index) {
#ifdef _WIN32
  return PlatformSystemColor(index);
#else
  // The platform's stock values, indexed as its COLOR_* constants.
  static const TColor kStock[] = {
      0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464,
      0x000000, 0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933,
      0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF,
      0x696969, 0xE3E3E3, 0x000000, 0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9,
      0xF2E4D7, 0xFF9933, 0xF0F0F0};
  if (index < 0 || index >= static_cast<int>(sizeof kStock / sizeof kStock[0]))
    return 0;
  return kStock[index];
#endif
}

TColor ConvertColor(TColor c) {
  if ((c & 0xFF000000u) == 0xFF000000u) return SystemColor(static_cast<int>(c & 0xFF));
  return c;
}

double RoundHalfEven(double v) {
  const double down = std::floor(v);
  const double rest = v - down;  // exact for every value a channel can take
  if (rest > 0.5) return down + 1;
  if (rest < 0.5) return down;
  return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::uint8_t RoundToByte(double v) {
  const double r = RoundHalfEven(v);
  if (!(r > 0)) return 0;
  return r >= 255 ? 255 : static_cast<std::uint8_t>(r);
}

int ClampPercent(int percent) { return std::clamp(percent, 0, 100); }

double ClampFraction(double f) {
  if (!(f > 0)) return 0;
  return f > 1 ? 1 : f;
}

TColor LerpColors(TColor a, TColor b, double x) {
  x = ClampFraction(x);
  auto mix = [x](std::uint8_t ca, std::uint8_t cb) {
    return RoundToByte(x * ca + (1 - x) * cb);
  };
  return (a & 0xFF000000u) |
         RgbColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)),
                  mix(BlueOf(a), BlueOf(b)));
}

}  // namespace folvane
