#include "paint/PaintTexture.h"

#include <algorithm>

#include "paint/MaskPieces.h"
#include "paint/NewBitmap.h"

namespace folvane {

namespace {

// The destination block (dx, dy, w, h) limited to `clip`, with the source
// position moved along; then copied or blended by `draw`.
struct Block {
  std::int64_t dx, dy, sx, sy, w, h;
};

bool ClipBlockTo(Block& b, const PixelRect& clip) {
  const std::int64_t left = std::max<std::int64_t>(b.dx, clip.Left);
  const std::int64_t top = std::max<std::int64_t>(b.dy, clip.Top);
  const std::int64_t right = std::min<std::int64_t>(b.dx + b.w, clip.Right);
  const std::int64_t bottom = std::min<std::int64_t>(b.dy + b.h, clip.Bottom);
  if (left >= right || top >= bottom) return false;
  b.sx += left - b.dx;
  b.sy += top - b.dy;
  b = {left, top, b.sx, b.sy, right - left, bottom - top};
  return true;
}

// Lays tiles of tw x th from (x0, y0) over [x0, x1) x [y0, y1), cut at the
// far edges, drawing only what lies inside `clip`.
template <typename DrawBlock>
void LayTiles(const PixelRect& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
              std::int64_t y1, std::int64_t tw, std::int64_t th, std::int64_t sx,
              std::int64_t sy, DrawBlock draw) {
  ForEachTile(y0, y1, th, clip.Top, clip.Bottom, [&](std::int64_t y, std::int64_t h) {
    ForEachTile(x0, x1, tw, clip.Left, clip.Right, [&](std::int64_t x, std::int64_t w) {
      Block b{x, y, sx, sy, w, h};
      if (ClipBlockTo(b, clip)) draw(b);
    });
  });
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const PixelRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                    std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? PixelRect{} : r;
}

// One stretched copy of `from` over `to`, of which only `clip` may change:
// drawn by the platform straight into the bitmap when it stays inside the
// clip, else into a scratch bitmap of its own size first.
void StretchClipped(PixelBuffer& bitmap, const PixelRect& to, const PixelRect& clip,
                    const PixelBuffer& source, const PixelRect& from, PaintPlatform& platform) {
  if (from.IsEmpty() || from.Left < 0 || from.Top < 0 || from.Right > source.Width() ||
      from.Bottom > source.Height() || to.IsEmpty())
    return;
  if (to.Left >= clip.Left && to.Top >= clip.Top && to.Right <= clip.Right &&
      to.Bottom <= clip.Bottom)
    return platform.StretchHalftone(bitmap, to, source, from);
  if (!PixelBuffer::SizeAcceptable(to.Width(), to.Height())) return;
  PixelBuffer scratch = NewBitmap24(to.Width(), to.Height());
  platform.StretchHalftone(scratch, {0, 0, to.Width(), to.Height()}, source, from);
  const PixelRect visible = Intersect(to, clip);
  CopyBlock(bitmap, visible.Left, visible.Top, scratch, visible.Left - to.Left,
            visible.Top - to.Top, visible.Width(), visible.Height());
}

std::int64_t CountSteps(std::int64_t length, std::int64_t tile) { return length / tile + 1; }

}  // namespace

PixelRect PaintTexture(PixelBuffer& bitmap, PixelRect rect, const TsPatternData* pattern,
                       int mode, const TsMaskData* mask, PaintPlatform& platform) {
  if (bitmap.Format() != PixelFormat::Bgr24 || rect.IsEmpty()) return rect;
  const std::int64_t W = std::int64_t{rect.Right} - rect.Left;
  const std::int64_t H = std::int64_t{rect.Bottom} - rect.Top;
  const PixelRect clip = ClampRect(rect, bitmap.Width(), bitmap.Height());

  if (pattern && !pattern->Image.Empty()) {
    const int tw = pattern->Image.Width(), th = pattern->Image.Height();
    const auto columns = static_cast<int>(std::min<std::int64_t>(CountSteps(W, tw), INT32_MAX));
    const auto rows = static_cast<int>(std::min<std::int64_t>(CountSteps(H, th), INT32_MAX));
    platform.DrawPictureGrid(bitmap, rect, pattern->Image, {rect.Left, rect.Top}, columns, rows);
    return kNothingUncovered;
  }
  if (!mask) return rect;
  const MaskFrames frames = FramesOf(*mask);
  if (!frames.Source) return rect;
  const PixelBuffer& source = *frames.Source;
  const PixelRect tile = frames.R;
  const std::int64_t tw = TsMaskData::ClampedDifference(tile.Right, tile.Left);
  const std::int64_t th = TsMaskData::ClampedDifference(tile.Bottom, tile.Top);
  if (tw <= 0 || th <= 0) return rect;
  const std::int64_t L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
  auto copy = [&](const Block& b) { CopyBlock(bitmap, b.dx, b.dy, source, b.sx, b.sy, b.w, b.h); };
  auto uncovered = [](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    auto c = [](std::int64_t v) {
      return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return PixelRect{c(l), c(t), c(r), c(b)};
  };
  const auto stretchTo = [&](std::int64_t r, std::int64_t b) {
    StretchClipped(bitmap, uncovered(L, T, r, b), clip, source, tile, platform);
  };

  switch (mode) {
    case 0:
      LayTiles(clip, L, T, R, B, tw, th, tile.Left, tile.Top, copy);
      return kNothingUncovered;
    case 1:
      stretchTo(R, B);
      return kNothingUncovered;
    case 2:
      LayTiles(clip, L, T, R, std::min(B, T + th), tw, th, tile.Left, tile.Top, copy);
      return uncovered(L, T + th, R, B);
    case 3:
      LayTiles(clip, L, T, std::min(R, L + tw), B, tw, th, tile.Left, tile.Top, copy);
      return uncovered(L + tw, T, R, B);
    case 4:
      stretchTo(R, T + th);
      return uncovered(L, T + th, R, B);
    case 5:
      stretchTo(L + tw, B);
      return uncovered(L + tw, T, R, B);
    case 6:
      // The row sits on the bottom edge; a rectangle lower than the tile
      // shows the tile's lower part.
      LayTiles(clip, L, B - th, R, B, tw, th, tile.Left, tile.Top, copy);
      return uncovered(L, T, R, B - th);
    case 7:
      LayTiles(clip, R - tw, T, R, B, tw, th, tile.Left, tile.Top, copy);
      return uncovered(L, T, R - tw, B);
    case 10: {
      // Whole rows only; the strip below them is not painted.
      const std::int64_t rowsEnd = T + H / th * th;
      LayTiles(clip, L, T, R, rowsEnd, tw, th, tile.Left, tile.Top, copy);
      return kNothingUncovered;
    }
    default:
      return rect;
  }
}

PixelRect PaintMaskedTexture(PixelBuffer& bitmap, PixelRect rect,
                             const BackgroundInfo& background, int mode,
                             const TsMaskData& mask) {
  if (bitmap.Format() != PixelFormat::Bgr24 || rect.IsEmpty()) return rect;
  if (mode != 0 && mode != 10) return rect;
  const MaskFrames frames = FramesOf(mask);
  if (!frames.Source || !frames.Masked) return rect;
  const std::int64_t tw = frames.FrameWidth, th = frames.MaskOffset;
  if (tw <= 0 || th <= 0) return rect;
  const PixelRect clip = ClampRect(rect, bitmap.Width(), bitmap.Height());
  const std::int64_t L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;

  MaskRuleOptions options;
  options.Keys = KeyRule::Fill;
  options.FillFor = [&background](int destY) {
    if (background.IsBitmap) return KeyFill::FromBackgroundRow(background, destY);
    return background.Color == KeyColor ? KeyFill::Leave() : KeyFill::Solid(background.Color);
  };
  auto blend = [&](const Block& b) {
    DrawMaskRuleBlock(bitmap, b.dx, b.dy, *frames.Source, b.sx, b.sy, b.w, b.h,
                      frames.MaskOffset, options);
  };
  if (mode == 0) {
    LayTiles(clip, L, T, R, B, tw, th, frames.R.Left, frames.R.Top, blend);
    return kNothingUncovered;
  }
  // Mode 10: whole tiles only, then what lies behind in the strips.
  const std::int64_t wholeRight = L + (R - L) / tw * tw;
  const std::int64_t wholeBottom = T + (B - T) / th * th;
  LayTiles(clip, L, T, wholeRight, wholeBottom, tw, th, frames.R.Left, frames.R.Top, blend);
  auto behind = [&](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    const PixelRect strip = Intersect(
        clip, {static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)});
    for (int y = strip.Top; y < strip.Bottom; ++y) {
      const KeyFill fill = background.IsBitmap ? KeyFill::FromBackgroundRow(background, y)
                                               : KeyFill::Solid(background.Color);
      std::uint8_t* d = bitmap.Row(y) + 3 * strip.Left;
      for (int x = strip.Left; x < strip.Right; ++x, d += 3) fill.Apply(d, x);
    }
  };
  behind(wholeRight, T, R, B);
  behind(L, wholeBottom, wholeRight, B);
  return kNothingUncovered;
}

}  // namespace folvane
