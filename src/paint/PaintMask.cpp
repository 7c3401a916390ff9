#include "paint/PaintMask.h"

#include <algorithm>

#include "paint/KeyedCopies.h"
#include "paint/MaskPieces.h"

namespace folvane {

namespace {

constexpr int kStretchPieces = 1;
constexpr int kNotInStateZero = 2;
constexpr int kPaintCentre = 4;

// One piece: a w x h block of the source at (sx, sy), drawn over the
// destination block (dx, dy, dw, dh).
struct Piece {
  std::int64_t sx, sy, w, h;
  std::int64_t dx, dy, dw, dh;
};

// Edges across run along the top or bottom, edges down along a side.
enum class PieceKind { Corner, EdgeAcross, EdgeDown, Centre };

bool FitsInt(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

class MaskPainter {
 public:
  MaskPainter(PixelBuffer& bitmap, const MaskFrames& frames, bool fillCorners,
              const BackgroundInfo& background, bool stretch, PaintPlatform& platform)
      : bitmap_(bitmap), frames_(frames), fillCorners_(fillCorners),
        background_(background), stretch_(stretch), platform_(platform) {}

  void Draw(const Piece& p, PieceKind kind) const {
    if (kind == PieceKind::Corner) return DrawCorner(p);
    if (frames_.Masked) return TileMasked(p, kind);
    if (stretch_) return Stretch(p);
    if (kind == PieceKind::Centre) return TileCentre(p);
    TileEdge(p, kind == PieceKind::EdgeAcross);
  }

 private:
  void DrawCorner(const Piece& p) const {
    if (p.w <= 0 || p.h <= 0) return;
    if (!frames_.Masked) {
      if (!FitsInt(p.sx) || !FitsInt(p.sy) || !FitsInt(p.sx + p.w) || !FitsInt(p.sy + p.h))
        return;  // nowhere near any bitmap
      const PixelRect source{static_cast<int>(p.sx), static_cast<int>(p.sy),
                             static_cast<int>(p.sx + p.w - 1), static_cast<int>(p.sy + p.h - 1)};
      CopyKeyedOverBackground(bitmap_, static_cast<int>(p.dx), static_cast<int>(p.dy),
                              *frames_.Source, source, KeyColor, fillCorners_, background_);
      return;
    }
    MaskRuleOptions options;
    if (fillCorners_) {
      options.Keys = KeyRule::Fill;
      const BackgroundInfo& bg = background_;
      options.FillFor = [&bg](int destY) {
        return bg.IsBitmap ? KeyFill::FromBackgroundRow(bg, destY) : KeyFill::Solid(bg.Color);
      };
    }
    DrawMaskRuleBlock(bitmap_, p.dx, p.dy, *frames_.Source, p.sx, p.sy, p.w, p.h,
                      frames_.MaskOffset, options);
  }

  // Masked pieces are always tiled, each copy at most one tile.
  void TileMasked(const Piece& p, PieceKind) const {
    if (p.w <= 0 || p.h <= 0) return;
    TileGrid(p, [&](std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
      DrawMaskRuleBlock(bitmap_, x, y, *frames_.Source, p.sx, p.sy, w, h, frames_.MaskOffset,
                        MaskRuleOptions{});
    });
  }

  // An edge repeats its tile from the start of the edge; the last copy takes
  // what remains - all of the edge when the tile has no length.
  void TileEdge(const Piece& p, bool across) const {
    const std::int64_t tile = across ? p.w : p.h;
    const std::int64_t length = across ? p.dw : p.dh;
    auto copy = [&](std::int64_t at, std::int64_t n) {
      if (across) CopyBlock(bitmap_, p.dx + at, p.dy, *frames_.Source, p.sx, p.sy, n, p.h);
      else CopyBlock(bitmap_, p.dx, p.dy + at, *frames_.Source, p.sx, p.sy, p.w, n);
    };
    if (tile <= 0) return copy(0, length);
    const std::int64_t visible = across ? bitmap_.Width() - p.dx : bitmap_.Height() - p.dy;
    const std::int64_t hidden = across ? -p.dx : -p.dy;
    ForEachTile(0, length, tile, hidden, visible, copy);
  }

  void TileCentre(const Piece& p) const {
    TileGrid(p, [&](std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
      CopyBlock(bitmap_, x, y, *frames_.Source, p.sx, p.sy, w, h);
    });
  }

  template <typename DrawTile>
  void TileGrid(const Piece& p, DrawTile draw) const {
    ForEachTile(p.dy, p.dy + p.dh, p.h, 0, bitmap_.Height(), [&](std::int64_t y, std::int64_t h) {
      ForEachTile(p.dx, p.dx + p.dw, p.w, 0, bitmap_.Width(),
                  [&](std::int64_t x, std::int64_t w) { draw(x, y, w, h); });
    });
  }

  void Stretch(const Piece& p) const {
    const PixelBuffer& source = *frames_.Source;
    if (p.w <= 0 || p.h <= 0 || p.dw <= 0 || p.dh <= 0 || p.sx < 0 || p.sy < 0 ||
        p.sx + p.w > source.Width() || p.sy + p.h > source.Height() || !FitsInt(p.dx + p.dw) ||
        !FitsInt(p.dy + p.dh))
      return;
    const PixelRect from{static_cast<int>(p.sx), static_cast<int>(p.sy),
                         static_cast<int>(p.sx + p.w), static_cast<int>(p.sy + p.h)};
    const PixelRect to{static_cast<int>(p.dx), static_cast<int>(p.dy),
                       static_cast<int>(p.dx + p.dw), static_cast<int>(p.dy + p.dh)};
    platform_.StretchHalftone(bitmap_, to, source, from);
  }

  PixelBuffer& bitmap_;
  const MaskFrames& frames_;
  bool fillCorners_;
  const BackgroundInfo& background_;
  bool stretch_;
  PaintPlatform& platform_;
};

}  // namespace

SlicePair ShrinkSlices(std::int64_t length, int nearSlice, int farSlice) {
  nearSlice = std::max(nearSlice, 0);
  farSlice = std::max(farSlice, 0);
  if (length >= std::int64_t{nearSlice} + farSlice) return {nearSlice, farSlice};
  const std::int64_t excess = (std::int64_t{nearSlice} + farSlice - length) / 2;
  std::int64_t near = nearSlice - excess;
  std::int64_t far = farSlice - excess - (length % 2 != 0 ? 1 : 0);
  return {static_cast<int>(std::max<std::int64_t>(near, 0)),
          static_cast<int>(std::max<std::int64_t>(far, 0))};
}

void PaintMask(PixelBuffer& bitmap, PixelRect rect, bool fillCentre, bool fillCorners,
               int state, const TsMaskData& mask, const BackgroundInfo& background,
               PaintPlatform& platform) {
  if (state == 0 && (mask.StretchMode & kNotInStateZero)) return;
  if (!mask.Manager || bitmap.Format() != PixelFormat::Bgr24 || bitmap.Empty()) return;
  const std::int64_t width = std::int64_t{rect.Right} - rect.Left;
  const std::int64_t height = std::int64_t{rect.Bottom} - rect.Top;
  if (width < 2 || height < 2) return;
  const MaskFrames frames = FramesOf(mask);
  if (!frames.Source) return;

  const SlicePair lr = ShrinkSlices(width, mask.WL, mask.WR);
  const SlicePair tb = ShrinkSlices(height, mask.WT, mask.WB);
  const std::int64_t L = lr.Near, Rt = lr.Far, T = tb.Near, B = tb.Far;
  // Shrinking the slices enlarges the centre taken from the source.
  const std::int64_t cw = std::max<std::int64_t>(0, frames.FrameWidth - L - Rt);
  const std::int64_t ch = std::max<std::int64_t>(0, frames.FrameHeight - T - B);
  const std::int64_t x0 = frames.FrameLeft(state), y0 = frames.R.Top;
  const std::int64_t sRight = x0 + L + cw, sBottom = y0 + frames.FrameHeight - B;
  const std::int64_t dl = rect.Left, dt = rect.Top, dr = rect.Right, db = rect.Bottom;
  const std::int64_t innerW = width - L - Rt, innerH = height - T - B;

  const MaskPainter painter(bitmap, frames, fillCorners, background,
                            (mask.StretchMode & kStretchPieces) != 0, platform);
  using K = PieceKind;
  painter.Draw({x0, y0, L, T, dl, dt, L, T}, K::Corner);                        // top left
  painter.Draw({x0, y0 + T, L, ch, dl, dt + T, L, innerH}, K::EdgeDown);       // left
  painter.Draw({x0 + L, y0, cw, T, dl + L, dt, innerW, T}, K::EdgeAcross);     // top
  painter.Draw({x0, sBottom, L, B, dl, db - B, L, B}, K::Corner);              // bottom left
  painter.Draw({x0 + L, sBottom, cw, B, dl + L, db - B, innerW, B}, K::EdgeAcross);
  painter.Draw({sRight, sBottom, Rt, B, dr - Rt, db - B, Rt, B}, K::Corner);   // bottom right
  painter.Draw({sRight, y0, Rt, T, dr - Rt, dt, Rt, T}, K::Corner);            // top right
  painter.Draw({sRight, y0 + T, Rt, ch, dr - Rt, dt + T, Rt, innerH}, K::EdgeDown);
  if (fillCentre && (mask.StretchMode & kPaintCentre))
    painter.Draw({x0 + L, y0 + T, cw, ch, dl + L, dt + T, innerW, innerH}, K::Centre);
}

}  // namespace folvane
