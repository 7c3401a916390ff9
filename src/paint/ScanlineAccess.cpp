#include "paint/ScanlineAccess.h"

#include <algorithm>

#include "paint/BlendKernels.h"
#include "paint/PaintColor.h"

namespace folvane {

namespace {

bool Accessible(const PixelBuffer* bitmap, PixelFormat format) {
  return bitmap && bitmap->Format() == format && bitmap->Width() > 1 &&
         bitmap->Height() > 1;
}

template <typename Accessor>
bool AttachTo(Accessor& a, PixelBuffer* bitmap, PixelFormat format) {
  if (!Accessible(bitmap, format)) {
    a = Accessor{};
    return false;
  }
  a.Bitmap = bitmap;
  a.Width = bitmap->Width();
  a.Height = bitmap->Height();
  a.FirstRow = bitmap->Row(0);
  a.RowDelta = bitmap->Row(1) - bitmap->Row(0);
  return true;
}

int SaturatedAdd(int a, int b) {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{a} + b, INT32_MIN, INT32_MAX));
}

}  // namespace

bool TvtFast24::Attach(PixelBuffer* bitmap) {
  return AttachTo(*this, bitmap, PixelFormat::Bgr24);
}

TColor TvtFast24::Pixel(int x, int y) const {
  assert(x >= 0 && x < Width);
  return ColorAt(Row(y) + 3 * x);
}

bool TvtFast32::Attach(PixelBuffer* bitmap) {
  return AttachTo(*this, bitmap, PixelFormat::Bgra32);
}

TColor TvtFast32::Pixel(int x, int y) const {
  assert(x >= 0 && x < Width);
  return ColorAt(Row(y) + 4 * x);
}

bool TvtFastSum24::Attach(const PixelBuffer* source, PixelBuffer* destination) {
  if (!Accessible(source, PixelFormat::Bgr24) ||
      !Accessible(destination, PixelFormat::Bgr24)) {
    *this = TvtFastSum24{};
    return false;
  }
  // Row(1) - Row(0) of a const buffer: the source is only ever read.
  SourceFirstRow = const_cast<std::uint8_t*>(source->Row(0));
  SourceRowDelta = source->Row(1) - source->Row(0);
  DestFirstRow = destination->Row(0);
  DestRowDelta = destination->Row(1) - destination->Row(0);
  SourceWidth = source->Width();
  SourceHeight = source->Height();
  DestWidth = destination->Width();
  DestHeight = destination->Height();
  Width = std::min(SourceWidth, DestWidth);
  Height = std::min(SourceHeight, DestHeight);
  DestRect = {0, 0, Width, Height};
  SourceRect = {0, 0, Width, Height};
  return true;
}

template <typename RowBlend>
void TvtFastSum24::ForEachRow(RowBlend blend) const {
  if (!DestFirstRow || !SourceFirstRow) return;
  const int w = std::max(0, std::min(DestRect.Width(), SourceRect.Width()));
  const int h = std::max(0, std::min(DestRect.Height(), SourceRect.Height()));
  const PixelRect source{SourceRect.Left, SourceRect.Top, SaturatedAdd(SourceRect.Left, w),
                         SaturatedAdd(SourceRect.Top, h)};
  const CopySpan span = ClipCopy(source, SourceWidth, SourceHeight,
                                 {DestRect.Left, DestRect.Top}, DestWidth, DestHeight);
  if (span.IsEmpty()) return;
  const std::size_t bytes = static_cast<std::size_t>(span.Width) * 3;
  for (int j = 0; j < span.Height; ++j) {
    std::uint8_t* d = DestFirstRow + (span.DstY + j) * DestRowDelta + 3 * span.DstX;
    const std::uint8_t* s =
        SourceFirstRow + (span.SrcY + j) * SourceRowDelta + 3 * span.SrcX;
    blend(d, s, bytes, Factor);
  }
}

void TvtFastSum24::Blend() const { ForEachRow(kernels::ConstantBlendRow); }

void TvtFastSum24::BlendScalar() const { ForEachRow(kernels::ConstantBlendRowScalar); }

}  // namespace folvane
