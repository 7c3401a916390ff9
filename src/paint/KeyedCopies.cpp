#include "paint/KeyedCopies.h"

#include "paint/PaintColor.h"
#include "paint/ScanlineAccess.h"

namespace folvane {

namespace {

bool CanCopy(const PixelBuffer& destination, const PixelBuffer& source) {
  return destination.Format() == PixelFormat::Bgr24 && !destination.Empty() &&
         !source.Empty();
}

CopySpan SpanOf(const PixelBuffer& destination, int x, int y, const PixelBuffer& source,
                PixelRect inclusiveSource) {
  return ClipCopy(FromInclusive(inclusiveSource), source.Width(), source.Height(), {x, y},
                  destination.Width(), destination.Height());
}

// What a key pixel of one destination row becomes.
struct KeyFill {
  enum Kind { Leave, FromRow, Solid } kind = Leave;
  const std::uint8_t* row = nullptr;  // background row, FromRow only
  int bpp = 3;
  std::int64_t firstColumn = 0;       // background column of destination x = 0
  int columns = 0;                    // background width
  TColor color = 0;
};

// A background bitmap that the scanline accessors would attach to, read at
// 24 or 32 bits.
bool Attachable(const PixelBuffer* b) {
  if (!b) return false;
  TvtFast24 a24;
  TvtFast32 a32;
  return a24.Attach(b) || a32.Attach(b);
}

KeyFill KeyFillForRow(const PixelBuffer& destination, int destY, bool fill,
                      const BackgroundInfo& bg) {
  KeyFill k;
  if (!bg.IsBitmap) {
    k.kind = KeyFill::Solid;
    k.color = ConvertColor(bg.Color);
    return k;
  }
  if (!fill || !Attachable(bg.Bitmap) || SamePixels(bg.Bitmap, &destination)) return k;
  const std::int64_t by = std::int64_t{destY} + bg.OffsetY;
  if (by < 0 || by >= bg.Bitmap->Height()) return k;
  k.kind = KeyFill::FromRow;
  k.row = bg.Bitmap->Row(static_cast<int>(by));
  k.bpp = bg.Bitmap->BytesPerPixel();
  k.firstColumn = bg.OffsetX;
  k.columns = bg.Bitmap->Width();
  return k;
}

void FillKeyPixel(std::uint8_t* d, int destX, const KeyFill& k) {
  if (k.kind == KeyFill::Solid) {
    PutColor(d, k.color);
  } else if (k.kind == KeyFill::FromRow) {
    // Columns outside the background (a negative offset included) have
    // nothing to show: the pixel stays as it was.
    const std::int64_t bx = k.firstColumn + destX;
    if (bx < 0 || bx >= k.columns) return;
    const std::uint8_t* b = k.row + bx * k.bpp;
    d[0] = b[0];
    d[1] = b[1];
    d[2] = b[2];
  }
}

}  // namespace

void CopyKeyed(PixelBuffer& destination, int x, int y, const PixelBuffer& source,
               PixelRect inclusiveSource, TColor key) {
  if (!CanCopy(destination, source)) return;
  const CopySpan span = SpanOf(destination, x, y, source, inclusiveSource);
  const int sbpp = source.BytesPerPixel();
  for (int j = 0; j < span.Height; ++j) {
    const std::uint8_t* s = source.Row(span.SrcY + j) + sbpp * span.SrcX;
    std::uint8_t* d = destination.Row(span.DstY + j) + 3 * span.DstX;
    for (int i = 0; i < span.Width; ++i, s += sbpp, d += 3) {
      if (PixelIs(s, key)) continue;
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
}

void CopyKeyedOverBackground(PixelBuffer& destination, int x, int y,
                             const PixelBuffer& source, PixelRect inclusiveSource,
                             TColor key, bool fill, const BackgroundInfo& background) {
  if (!CanCopy(destination, source)) return;
  const CopySpan span = SpanOf(destination, x, y, source, inclusiveSource);
  const int sbpp = source.BytesPerPixel();
  for (int j = 0; j < span.Height; ++j) {
    const int dy = span.DstY + j;
    const KeyFill keyFill = KeyFillForRow(destination, dy, fill, background);
    const std::uint8_t* s = source.Row(span.SrcY + j) + sbpp * span.SrcX;
    std::uint8_t* d = destination.Row(dy) + 3 * span.DstX;
    for (int i = 0; i < span.Width; ++i, s += sbpp, d += 3) {
      if (!PixelIs(s, key)) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
      } else {
        FillKeyPixel(d, span.DstX + i, keyFill);
      }
    }
  }
}

}  // namespace folvane
