#pragma once
// What a key-coloured (transparent) pixel of one destination row becomes:
// left as it is, a solid colour, or the pixel of a background bitmap that
// lies behind it. Shared by every copy that lets the background show
// through the key colour.

#include <cstdint>

#include "paint/BackgroundInfo.h"
#include "paint/PaintColor.h"

namespace folvane {

class KeyFill {
 public:
  static KeyFill Leave() { return KeyFill{}; }
  static KeyFill Solid(TColor color) {
    KeyFill k;
    k.kind_ = Kind::Solid;
    k.color_ = ConvertColor(color);
    return k;
  }
  // The background pixel at (x + OffsetX, destY + OffsetY) for destination
  // pixel x of row destY. Leaves the pixels alone when the background is
  // not a bitmap the scanline accessors would attach to, or when that row
  // lies outside it; columns outside it are left alone one by one.
  static KeyFill FromBackgroundRow(const BackgroundInfo& background, int destY);

  // Applies the rule to the destination pixel at column `destX`.
  void Apply(std::uint8_t* d, int destX) const {
    if (kind_ == Kind::Solid) {
      PutColor(d, color_);
    } else if (kind_ == Kind::FromRow) {
      const std::int64_t bx = firstColumn_ + destX;
      if (bx < 0 || bx >= columns_) return;
      const std::uint8_t* b = row_ + bx * bpp_;
      d[0] = b[0];
      d[1] = b[1];
      d[2] = b[2];
    }
  }
  bool LeavesAlone() const { return kind_ == Kind::Leave; }

 private:
  enum class Kind { Leave, FromRow, Solid };
  Kind kind_ = Kind::Leave;
  TColor color_ = 0;
  const std::uint8_t* row_ = nullptr;
  int bpp_ = 3;
  std::int64_t firstColumn_ = 0;
  int columns_ = 0;
};

// True when a scanline accessor attaches to `bitmap` (24 or 32 bits, at
// least 2 x 2 pixels).
bool BackgroundReadable(const PixelBuffer* bitmap);

}  // namespace folvane
