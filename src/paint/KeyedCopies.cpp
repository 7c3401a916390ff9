#include "paint/KeyedCopies.h"

#include "paint/KeyFill.h"
#include "paint/PaintColor.h"

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

// Key pixels over a colour background take the colour whatever `fill`
// says; over a bitmap they show it only with `fill`, and never when the
// destination is that bitmap.
KeyFill KeyFillForRow(const PixelBuffer& destination, int destY, bool fill,
                      const BackgroundInfo& bg) {
  if (!bg.IsBitmap) return KeyFill::Solid(bg.Color);
  if (!fill || SamePixels(bg.Bitmap, &destination)) return KeyFill::Leave();
  return KeyFill::FromBackgroundRow(bg, destY);
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
        keyFill.Apply(d, span.DstX + i);
      }
    }
  }
}

}  // namespace folvane
