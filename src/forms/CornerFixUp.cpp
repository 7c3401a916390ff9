#include "forms/CornerFixUp.h"

#include <algorithm>
#include <cstdint>

#include "paint/MaskPieces.h"
#include "paint/PaintColor.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

struct Block {
  int entryX, entryY, imageX, imageY, width, height;
};

TColor BehindAt(const BackgroundInfo& behind, int x, int y, bool& found) {
  found = true;
  if (!behind.IsBitmap || !behind.Bitmap) return behind.Color;
  const std::int64_t bx = std::int64_t{x} + behind.OffsetX;
  const std::int64_t by = std::int64_t{y} + behind.OffsetY;
  if (bx < 0 || by < 0 || bx >= behind.Bitmap->Width() || by >= behind.Bitmap->Height()) {
    found = false;
    return 0;
  }
  return behind.Bitmap->GetColor(static_cast<int>(bx), static_cast<int>(by));
}

}  // namespace

void FixUpCorners(PixelBuffer& image, const SkinModel& model, int maskIndex, int state,
                  const BackgroundInfo& behind) {
  const TsMaskData* mask = model.Mask(maskIndex);
  if (!mask || image.Width() <= 1 || image.Height() <= 1) return;
  const MaskFrames frames = FramesOf(*mask);
  if (!frames.Source) return;
  const int w = image.Width(), h = image.Height();
  const int wl = model.SliceWidthLeft(maskIndex), wt = model.SliceWidthTop(maskIndex);
  const int wr = model.SliceWidthRight(maskIndex), wb = model.SliceWidthBottom(maskIndex);
  const int fw = frames.FrameWidth, fh = frames.FrameHeight;
  const Block blocks[] = {
      {0, 0, 0, 0, wl, wt},
      {0, fh - wb, 0, h - wb, wl, wb},
      {fw - wr, fh - wb, w - wr, h - wb, wr, wb},
      {fw - wr, 0, w - wr, 0, wr, wt},
  };
  const std::int64_t left = frames.FrameLeft(state);
  const PixelBuffer& source = *frames.Source;
  for (const Block& b : blocks) {
    for (int j = 0; j < b.height; ++j) {
      for (int i = 0; i < b.width; ++i) {
        const std::int64_t sx = left + b.entryX + i;
        const std::int64_t sy = std::int64_t{frames.R.Top} + b.entryY + j;
        if (sx < 0 || sy < 0 || sx >= source.Width() || sy >= source.Height()) continue;
        if ((source.GetColor(static_cast<int>(sx), static_cast<int>(sy)) & 0xFFFFFF) != KeyColor)
          continue;
        const int x = b.imageX + i, y = b.imageY + j;
        if (!image.Contains(x, y)) continue;
        bool found = false;
        const TColor c = BehindAt(behind, x, y, found);
        if (found) image.SetColor(x, y, c);
      }
    }
  }
}

}  // namespace folvane
