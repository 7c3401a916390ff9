#include "paint/HalfMaskedBitmap.h"

#include <algorithm>

#include "paint/MaskPieces.h"
#include "paint/PaintColor.h"

namespace folvane {

void PaintHalfMaskedBitmap(PixelRect destRect, PixelRect sourceRect, PixelBuffer& dest,
                           bool fill, const BackgroundInfo& background,
                           const PixelBuffer& source) {
  const std::int64_t w = std::min<std::int64_t>(std::int64_t{destRect.Right} - destRect.Left,
                                                std::int64_t{sourceRect.Right} - sourceRect.Left);
  const std::int64_t h = std::min<std::int64_t>(std::int64_t{destRect.Bottom} - destRect.Top,
                                                std::int64_t{sourceRect.Bottom} - sourceRect.Top);
  MaskRuleOptions options;
  if (!background.IsBitmap) {
    options.Keys = KeyRule::BlendToo;
  } else if (fill) {
    options.Keys = KeyRule::Fill;
    options.FillFor = [&background](int destY) {
      return KeyFill::FromBackgroundRow(background, destY);
    };
  }
  DrawMaskRuleBlock(dest, destRect.Left, destRect.Top, source, sourceRect.Left, sourceRect.Top,
                    w, h, source.Height() / 2, options);
}

namespace {

// Runs of key pixels in columns [first, last) of one source row.
void ScanRow(std::vector<PixelRect>& runs, const PixelBuffer& source, int sy,
             std::int64_t frameLeft, std::int64_t first, std::int64_t last, std::int64_t shift,
             int y) {
  first = std::max<std::int64_t>(first, -frameLeft);
  last = std::min<std::int64_t>(last, source.Width() - frameLeft);
  const std::uint8_t* row = source.Row(sy);
  const int bpp = source.BytesPerPixel();
  std::int64_t start = -1;
  for (std::int64_t c = first; c <= last; ++c) {
    const bool key = c < last && PixelIs(row + (frameLeft + c) * bpp, KeyColor);
    if (key && start < 0) start = c;
    if (!key && start >= 0) {
      auto clampInt = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
      };
      runs.push_back({clampInt(start + shift), y, clampInt(c + shift), y + 1});
      start = -1;
    }
  }
}

}  // namespace

void ScanCornerRuns(std::vector<PixelRect>& runs, int windowWidth, const TsMaskData& mask,
                    bool bottom, int rowOffset) {
  const MaskFrames frames = FramesOf(mask);
  if (!frames.Source) return;
  const PixelBuffer& source = *frames.Source;
  const std::int64_t fw = frames.FrameWidth;
  const int rows = std::max(bottom ? mask.WB : mask.WT, 0);
  const std::int64_t firstRow =
      bottom ? std::int64_t{frames.R.Top} + frames.FrameHeight - rows : frames.R.Top;
  const std::int64_t left = frames.R.Left;
  const int wl = std::max(mask.WL, 0), wr = std::max(mask.WR, 0);
  // Only the rows that lie inside the source.
  const std::int64_t firstR = std::max<std::int64_t>(0, -firstRow);
  const std::int64_t endR = std::min<std::int64_t>(rows, source.Height() - firstRow);
  for (std::int64_t r = firstR; r < endR; ++r) {
    const std::int64_t sy = firstRow + r;
    const std::int64_t y = std::int64_t{rowOffset} + r;
    if (y < INT32_MIN || y >= INT32_MAX) continue;
    ScanRow(runs, source, static_cast<int>(sy), left, 0, wl, 0, static_cast<int>(y));
    ScanRow(runs, source, static_cast<int>(sy), left, fw - wr, fw, windowWidth - fw,
            static_cast<int>(y));
  }
}

}  // namespace folvane
