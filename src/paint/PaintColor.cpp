#include "paint/PaintColor.h"

#include <algorithm>
#include <cmath>

#include "skin/SystemColors.h"

namespace folvane {

const SystemColors& PaintSystemColors() {
#ifdef _WIN32
  return WindowsSystemColors();
#else
  return ClassicSystemColors();
#endif
}

TColor SystemColor(int index) { return PaintSystemColors().Get(index); }

TColor ConvertColor(TColor c) { return ColorToRGB(c, PaintSystemColors()); }

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
