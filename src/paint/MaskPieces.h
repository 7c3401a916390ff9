#pragma once
// The pieces mask, glyph and texture painting are made of: where an entry's
// state images lie, block copies by the plain and the mask rule, and tiling.

#include <cstdint>
#include <functional>

#include "paint/KeyFill.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

// Where an entry's state images lie in its source picture.
struct MaskFrames {
  const PixelBuffer* Source = nullptr;  // nothing to paint when null
  PixelRect R;                          // the entry's rectangle in Source
  int Count = 1;                        // ImageCount
  int FrameWidth = 0;                   // width(R) div ImageCount
  int FrameHeight = 0;                  // height(R) div (MaskType + 1)
  int MaskOffset = 0;                   // rows from an image pixel to its mask
  bool Masked = false;                  // MaskType other than 0

  // Left column of the state image for `state`, limited to 0 ... Count - 1.
  std::int64_t FrameLeft(int state) const;
};

// The entry's own picture, else the master bitmap of its manager. Null
// Source for an entry with neither, an ImageCount below 1 or a negative
// MaskType. An own picture whose rectangle is empty (a small JPEG
// texture) is used whole.
MaskFrames FramesOf(const TsMaskData& mask);

// What a key-coloured image pixel does under the mask rule.
enum class KeyRule {
  LeaveAlone,  // the destination pixel stays
  BlendToo,    // blended like any other pixel
  Fill,        // replaced through the KeyFill of its destination row
};

struct MaskRuleOptions {
  KeyRule Keys = KeyRule::LeaveAlone;
  std::function<KeyFill(int destY)> FillFor;  // for KeyRule::Fill
  int MaskLift = 0;  // added to each mask channel first (at most 255): fades
};

// The w x h block whose image starts at (sx, sy) of `source`, its mask
// `maskOffset` rows below, drawn onto (dx, dy) of the 24-bit `dest` by the
// mask rule: d = ((d - s) * m + s * 256) >> 8 per channel. Clipped to both
// bitmaps, the mask rows included.
void DrawMaskRuleBlock(PixelBuffer& dest, std::int64_t dx, std::int64_t dy,
                       const PixelBuffer& source, std::int64_t sx, std::int64_t sy,
                       std::int64_t w, std::int64_t h, int maskOffset,
                       const MaskRuleOptions& options);

// A plain copy of the w x h block at (sx, sy) to (dx, dy), clipped.
void CopyBlock(PixelBuffer& dest, std::int64_t dx, std::int64_t dy, const PixelBuffer& source,
               std::int64_t sx, std::int64_t sy, std::int64_t w, std::int64_t h);

// Calls draw(position, length) for tiles of `tile` laid from `start` over
// [start, end): whole tiles while they fit, then the rest. Tiles that lie
// wholly outside [visibleLow, visibleHigh) are skipped, so a long run of
// small tiles costs only what can be seen. A tile of 0 or less lays nothing.
void ForEachTile(std::int64_t start, std::int64_t end, std::int64_t tile,
                 std::int64_t visibleLow, std::int64_t visibleHigh,
                 const std::function<void(std::int64_t, std::int64_t)>& draw);

}  // namespace folvane
