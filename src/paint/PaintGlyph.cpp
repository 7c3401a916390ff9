#include "paint/PaintGlyph.h"

#include "paint/Blends.h"
#include "paint/KeyedCopies.h"
#include "paint/MaskPieces.h"

namespace folvane {

namespace {

constexpr int kFadeLift = 100;

bool FitsInt(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

}  // namespace

void PaintGlyph(PixelBuffer& bitmap, PixelPoint at, int state,
                const BackgroundInfo& background, const TsMaskData& mask, int mode) {
  if (bitmap.Format() != PixelFormat::Bgr24) return;
  const MaskFrames frames = FramesOf(mask);
  if (!frames.Source || frames.FrameWidth <= 0 || frames.FrameHeight <= 0) return;
  const std::int64_t sx = frames.FrameLeft(state), sy = frames.R.Top;
  const std::int64_t w = frames.FrameWidth, h = frames.FrameHeight;

  if (!FitsInt(sx + w) || !FitsInt(sy + h)) return;  // nowhere near the source
  if (mask.HasImage() || frames.Masked) {
    if (!frames.Masked) {
      CopyKeyed(bitmap, at.X, at.Y, *frames.Source,
                {static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(sx + w - 1),
                 static_cast<int>(sy + h - 1)},
                KeyColor);
      return;
    }
    MaskRuleOptions options;
    options.MaskLift = mode == kGlyphFaded ? kFadeLift : 0;
    // The mask of a glyph lies one state image height below it.
    DrawMaskRuleBlock(bitmap, at.X, at.Y, *frames.Source, sx, sy, w, h, frames.FrameHeight,
                      options);
    return;
  }
  const PixelRect frame{static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(sx + w - 1),
                        static_cast<int>(sy + h - 1)};
  if (mode == kGlyphFaded)
    BlendKeyedRect(bitmap, at.X, at.Y, *frames.Source, frame, KeyColor, 0.5);
  else
    CopyKeyedOverBackground(bitmap, at.X, at.Y, *frames.Source, frame, KeyColor, true,
                            background);
}

}  // namespace folvane
