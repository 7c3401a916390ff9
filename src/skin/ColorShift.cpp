#include "skin/ColorShift.h"

#include <algorithm>
#include <cmath>

namespace folvane {

namespace {

struct Rgb {
  int r, g, b;
};

Rgb Channels(TColor c) {
  return Rgb{static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
             static_cast<int>((c >> 16) & 0xFF)};
}

TColor Pack(int r, int g, int b) {
  return static_cast<TColor>(r) | static_cast<TColor>(g) << 8 |
         static_cast<TColor>(b) << 16;
}

// Round half to even, as the default floating-point rounding mode does.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int ClampRound(double value) { return RoundEven(std::clamp(value, 0.0, 255.0)); }

double HueOf(const Rgb& c, int v, int min) {
  const double q = 60.0 / (v - min);
  double h;
  if (c.r == v)
    h = q * (c.g - c.b);
  else if (c.g == v)
    h = 120 + q * (c.b - c.r);
  else
    h = 240 + q * (c.r - c.g);
  return h < 0 ? h + 360 : h;
}

TColor FromHsv(int hue, double s, int v) {
  const int sector = hue / 60;
  const double f = hue / 60.0 - sector;
  const int p = ClampRound(v * (1 - s));
  const int q = ClampRound(v * (1 - f * s));
  const int t = ClampRound(v * (1 - (1 - f) * s));
  switch (sector) {
    case 0: return Pack(v, t, p);
    case 1: return Pack(q, v, p);
    case 2: return Pack(p, v, t);
    case 3: return Pack(p, q, v);
    case 4: return Pack(t, p, v);
    default: return Pack(v, p, q);
  }
}

}  // namespace

TColor ShiftHue(TColor color, int degrees) {
  const Rgb c = Channels(color);
  const int v = std::max({c.r, c.g, c.b});
  const int min = std::min({c.r, c.g, c.b});
  if (v == 0 || v == min) return color;  // saturation 0: no hue to turn
  const double s = static_cast<double>(v - min) / v;
  // Degrees are reduced first so that no offset can overflow the sum.
  const long long turned = RoundEven(HueOf(c, v, min) + degrees % 360);
  const int hue = static_cast<int>(((turned % 360) + 360) % 360);
  return FromHsv(hue, s, v);
}

TColor ShiftSaturation(TColor color, int k) {
  if (k == 0) return color;
  const Rgb c = Channels(color);
  const double mean = (c.r + c.g + c.b) / 3.0;
  // Clamping before rounding gives the same result for the integer bounds
  // and keeps a large k from overflowing the conversion.
  auto shift = [&](int channel) {
    return ClampRound(channel + k * (mean - channel) / 100.0);
  };
  return Pack(shift(c.r), shift(c.g), shift(c.b));
}

}  // namespace folvane
