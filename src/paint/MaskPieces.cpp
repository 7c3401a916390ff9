#include "paint/MaskPieces.h"

#include <algorithm>
#include <cstring>

#include "paint/BlendKernels.h"
#include "paint/PaintColor.h"
#include "skin/SkinModel.h"

namespace folvane {

std::int64_t MaskFrames::FrameLeft(int state) const {
  const int s = std::clamp(state, 0, std::max(Count - 1, 0));
  return std::int64_t{R.Left} + std::int64_t{s} * FrameWidth;
}

MaskFrames FramesOf(const TsMaskData& mask) {
  MaskFrames f;
  if (mask.ImageCount < 1 || mask.MaskType < 0) return f;
  const PixelBuffer* source = mask.HasImage() ? &mask.Image
                              : mask.Manager  ? &mask.Manager->MasterBitmap()
                                              : nullptr;
  if (!source || source->Empty()) return f;
  f.R = {mask.Left, mask.Top, mask.Right, mask.Bottom};
  if (mask.HasImage() && f.R.IsEmpty()) f.R = {0, 0, source->Width(), source->Height()};
  if (f.R.IsEmpty()) return f;
  const int width = TsMaskData::ClampedDifference(f.R.Right, f.R.Left);
  const int height = TsMaskData::ClampedDifference(f.R.Bottom, f.R.Top);
  f.Source = source;
  f.Count = mask.ImageCount;
  f.Masked = mask.MaskType != 0;
  f.FrameWidth = width / mask.ImageCount;
  f.FrameHeight = static_cast<int>(height / (std::int64_t{mask.MaskType} + 1));
  f.MaskOffset = f.Masked ? height / 2 : 0;
  return f;
}

namespace {

inline std::uint8_t MaskRule(unsigned d, unsigned s, unsigned m) {
  return static_cast<std::uint8_t>((d * m + s * (256 - m)) >> 8);
}

void BlendPixel(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int lift) {
  for (int ch = 0; ch < 3; ++ch)
    d[ch] = MaskRule(d[ch], s[ch], static_cast<unsigned>(std::min(m[ch] + lift, 255)));
}

}  // namespace

void DrawMaskRuleBlock(PixelBuffer& dest, std::int64_t dx, std::int64_t dy,
                       const PixelBuffer& source, std::int64_t sx, std::int64_t sy,
                       std::int64_t w, std::int64_t h, int maskOffset,
                       const MaskRuleOptions& options) {
  if (dest.Format() != PixelFormat::Bgr24 || maskOffset < 0) return;
  // The mask rows must lie inside the source as well: the image may use
  // only the rows above height - maskOffset.
  const int imageRows = source.Height() - maskOffset;
  if (imageRows <= 0) return;
  const CopySpan span = ClipBlock(sx, sy, dx, dy, w, h, source.Width(), imageRows,
                                  dest.Width(), dest.Height());
  if (span.IsEmpty()) return;
  const int sbpp = source.BytesPerPixel();
  const bool fast = sbpp == 3 && options.MaskLift == 0 && options.Keys != KeyRule::Fill;
  for (int j = 0; j < span.Height; ++j) {
    const int destY = span.DstY + j;
    std::uint8_t* d = dest.Row(destY) + 3 * span.DstX;
    const std::uint8_t* s = source.Row(span.SrcY + j) + sbpp * span.SrcX;
    const std::uint8_t* m = source.Row(span.SrcY + j + maskOffset) + sbpp * span.SrcX;
    if (fast) {
      if (options.Keys == KeyRule::LeaveAlone)
        kernels::MaskBlendKeyedRow(d, s, m, static_cast<std::size_t>(span.Width), KeyColor);
      else
        kernels::MaskBlendRow(d, d, s, m, static_cast<std::size_t>(span.Width) * 3);
      continue;
    }
    const KeyFill fill = options.Keys == KeyRule::Fill && options.FillFor
                             ? options.FillFor(destY)
                             : KeyFill::Leave();
    for (int i = 0; i < span.Width; ++i, d += 3, s += sbpp, m += sbpp) {
      if (options.Keys != KeyRule::BlendToo && PixelIs(s, KeyColor)) {
        if (options.Keys == KeyRule::Fill) fill.Apply(d, span.DstX + i);
        continue;
      }
      BlendPixel(d, s, m, options.MaskLift);
    }
  }
}

void CopyBlock(PixelBuffer& dest, std::int64_t dx, std::int64_t dy, const PixelBuffer& source,
               std::int64_t sx, std::int64_t sy, std::int64_t w, std::int64_t h) {
  if (dest.Format() != PixelFormat::Bgr24) return;
  const CopySpan span = ClipBlock(sx, sy, dx, dy, w, h, source.Width(), source.Height(),
                                  dest.Width(), dest.Height());
  const int sbpp = source.BytesPerPixel();
  for (int j = 0; j < span.Height; ++j) {
    std::uint8_t* d = dest.Row(span.DstY + j) + 3 * span.DstX;
    const std::uint8_t* s = source.Row(span.SrcY + j) + sbpp * span.SrcX;
    if (sbpp == 3) {
      std::memmove(d, s, static_cast<std::size_t>(span.Width) * 3);
      continue;
    }
    for (int i = 0; i < span.Width; ++i, d += 3, s += sbpp) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
}

void ForEachTile(std::int64_t start, std::int64_t end, std::int64_t tile,
                 std::int64_t visibleLow, std::int64_t visibleHigh,
                 const std::function<void(std::int64_t, std::int64_t)>& draw) {
  if (tile <= 0 || end <= start) return;
  // The first tile that reaches visibleLow.
  std::int64_t pos = start;
  if (visibleLow > start) pos = start + (visibleLow - start) / tile * tile;
  const std::int64_t stop = std::min(end, visibleHigh);
  for (; pos < stop; pos += tile) draw(pos, std::min(tile, end - pos));
}

}  // namespace folvane
