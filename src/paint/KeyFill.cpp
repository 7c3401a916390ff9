#include "paint/KeyFill.h"

#include "paint/ScanlineAccess.h"

namespace folvane {

bool BackgroundReadable(const PixelBuffer* bitmap) {
  if (!bitmap) return false;
  TvtFast24 a24;
  TvtFast32 a32;
  return a24.Attach(bitmap) || a32.Attach(bitmap);
}

KeyFill KeyFill::FromBackgroundRow(const BackgroundInfo& background, int destY) {
  if (!background.IsBitmap || !BackgroundReadable(background.Bitmap)) return Leave();
  const PixelBuffer& b = *background.Bitmap;
  const std::int64_t by = std::int64_t{destY} + background.OffsetY;
  if (by < 0 || by >= b.Height()) return Leave();
  KeyFill k;
  k.kind_ = Kind::FromRow;
  k.row_ = b.Row(static_cast<int>(by));
  k.bpp_ = b.BytesPerPixel();
  k.firstColumn_ = background.OffsetX;
  k.columns_ = b.Width();
  return k;
}

}  // namespace folvane
