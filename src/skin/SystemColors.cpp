#include "skin/SystemColors.h"

namespace folvane {

namespace {
constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
  return r | g << 8 | b << 16;
}
}  // namespace

SystemColorTable::SystemColorTable()
    : colors_{Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),
              Rgb(128, 128, 128), Rgb(212, 208, 200), Rgb(255, 255, 255),
              Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),
              Rgb(255, 255, 255), Rgb(212, 208, 200), Rgb(212, 208, 200),
              Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255),
              Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(128, 128, 128),
              Rgb(0, 0, 0),       Rgb(212, 208, 200), Rgb(255, 255, 255),
              Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),
              Rgb(255, 255, 225), Rgb(181, 181, 181), Rgb(0, 0, 128),
              Rgb(166, 202, 240), Rgb(192, 192, 192), Rgb(10, 36, 106),
              Rgb(212, 208, 200)} {}

TColor SystemColorTable::Get(int index) const {
  return index >= 0 && index < kCount ? colors_[index] : 0;
}

void SystemColorTable::Set(int index, TColor rgb) {
  if (index >= 0 && index < kCount) colors_[index] = rgb & 0xFFFFFF;
}

const SystemColors& ClassicSystemColors() {
  static const SystemColorTable table;
  return table;
}

TColor ColorToRGB(TColor color, const SystemColors& system) {
  return IsSystemColor(color) ? system.Get(SystemColorIndex(color)) : color;
}

}  // namespace folvane
