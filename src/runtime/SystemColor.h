#pragma once
// Which colours name a system colour: one whose high bit is set (any
// negative value) stands for the platform's colour number in its low byte;
// any other colour is plain 0x00BBGGRR. The runtime's drawing and the skin
// code both ask here, so they agree on every colour.

#include "runtime/PixelBuffer.h"

namespace folvane {

constexpr bool IsSystemColor(TColor color) { return (color & 0x80000000u) != 0; }
constexpr int SystemColorIndex(TColor color) { return static_cast<int>(color & 0xFF); }

}  // namespace folvane
