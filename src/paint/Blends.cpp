#include "paint/Blends.h"

#include <algorithm>
#include <vector>

#include "paint/BlendKernels.h"
#include "paint/PaintColor.h"
#include "paint/ScanlineAccess.h"

namespace folvane {

namespace {

bool Is24(const PixelBuffer& b) { return b.Format() == PixelFormat::Bgr24 && !b.Empty(); }

bool SameSize(const PixelBuffer& a, const PixelBuffer& b) {
  return a.Width() == b.Width() && a.Height() == b.Height();
}

// One table per channel (blue, green, red): a float blend with one varying
// pixel value is a lookup, computed with the very expression of the blend.
struct ChannelTables {
  std::uint8_t t[3][256];
};

template <typename Formula>
ChannelTables MakeTables(TColor color, Formula f) {
  ChannelTables tables;
  const std::uint8_t channel[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
  for (int ch = 0; ch < 3; ++ch)
    for (int v = 0; v < 256; ++v) tables.t[ch][v] = f(v, channel[ch]);
  return tables;
}

inline void ApplyTables(std::uint8_t* p, const ChannelTables& tables) {
  p[0] = tables.t[0][p[0]];
  p[1] = tables.t[1][p[1]];
  p[2] = tables.t[2][p[2]];
}

}  // namespace

void BlendRectWithColor(PixelBuffer& bitmap, PixelRect inclusiveRect, int percent,
                        TColor color) {
  if (!Is24(bitmap)) return;
  const PixelRect r = ClampRect(FromInclusive(inclusiveRect), bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  const double f = ClampPercent(percent) / 100.0;
  const ChannelTables tables = MakeTables(ConvertColor(color), [f](int c, int k) {
    return RoundToByte(f * c + (1 - f) * k);
  });
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* p = bitmap.Row(y) + 3 * r.Left;
    for (int x = r.Left; x < r.Right; ++x, p += 3) ApplyTables(p, tables);
  }
}

void BlendKeyedRect(PixelBuffer& destination, int x, int y, const PixelBuffer& source,
                    PixelRect inclusiveSource, TColor key, double keep) {
  if (!Is24(destination) || source.Empty()) return;
  const CopySpan span = ClipCopy(FromInclusive(inclusiveSource), source.Width(),
                                 source.Height(), {x, y}, destination.Width(),
                                 destination.Height());
  if (span.IsEmpty()) return;
  const double f = ClampFraction(keep);
  const bool keyed = key < NoKeyThreshold;
  const int sbpp = source.BytesPerPixel();
  for (int j = 0; j < span.Height; ++j) {
    const std::uint8_t* s = source.Row(span.SrcY + j) + sbpp * span.SrcX;
    std::uint8_t* d = destination.Row(span.DstY + j) + 3 * span.DstX;
    for (int i = 0; i < span.Width; ++i, s += sbpp, d += 3) {
      if (keyed && PixelIs(s, key)) continue;
      for (int ch = 0; ch < 3; ++ch) d[ch] = RoundToByte(s[ch] - f * (s[ch] - d[ch]));
    }
  }
}

void BlendWithColorKeyed(PixelBuffer& bitmap, TColor color, TColor key, double keep) {
  if (!Is24(bitmap)) return;
  const double f = ClampFraction(keep);
  const ChannelTables tables = MakeTables(ConvertColor(color), [f](int c, int k) {
    return RoundToByte(f * (c - k) + k);
  });
  const bool keyed = key < NoKeyThreshold;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3)
      if (!keyed || !PixelIs(p, key)) ApplyTables(p, tables);
  }
}

void BlendColorThroughMask(PixelBuffer& bitmap, const PixelBuffer& mask, TColor color) {
  if (!Is24(bitmap) || !Is24(mask) || !SameSize(bitmap, mask)) return;
  const TColor c = ConvertColor(color);
  const auto pixels = static_cast<std::size_t>(bitmap.Width());
  for (int y = 0; y < bitmap.Height(); ++y)
    kernels::ColorThroughMaskRow(bitmap.Row(y), mask.Row(y), pixels, c);
}

void BlendBitmapRect(PixelBuffer& destination, const PixelBuffer& source, int a,
                     PixelPoint at, PixelRect sourceRect) {
  const CopySpan span = ClipCopy(sourceRect, source.Width(), source.Height(), at,
                                 destination.Width(), destination.Height());
  if (span.IsEmpty()) return;
  TvtFastSum24 sum;
  if (!sum.Attach(&source, &destination)) return;
  sum.Factor = static_cast<std::uint8_t>(std::clamp(a, 0, 255));
  sum.SourceRect = {span.SrcX, span.SrcY, span.SrcX + span.Width, span.SrcY + span.Height};
  sum.DestRect = {span.DstX, span.DstY, span.DstX + span.Width, span.DstY + span.Height};
  sum.Blend();
}

void BlendBitmaps(PixelBuffer& destination, const PixelBuffer& source, int a) {
  if (!SameSize(destination, source)) return;
  BlendBitmapRect(destination, source, a, {0, 0},
                  {0, 0, source.Width(), source.Height()});
}

namespace {

// Blends row by row into a scratch row, then spreads it over the output's
// four-byte pixels, leaving their fourth byte alone.
template <typename RowBlend>
void MergeRows(PixelBuffer& output, const PixelBuffer& a, RowBlend blend) {
  const int w = std::min(output.Width(), a.Width());
  const int h = std::min(output.Height(), a.Height());
  if (w <= 0 || h <= 0) return;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    blend(row.data(), y, row.size());
    std::uint8_t* o = output.Row(y);
    const std::uint8_t* r = row.data();
    for (int x = 0; x < w; ++x, o += 4, r += 3) {
      o[0] = r[0];
      o[1] = r[1];
      o[2] = r[2];
    }
  }
}

bool MergeInputsFit(const PixelBuffer& output, const PixelBuffer& a, const PixelBuffer& b) {
  return output.Format() == PixelFormat::Bgra32 && Is24(a) && Is24(b) && SameSize(a, b);
}

}  // namespace

void MergeToBitmap32(PixelBuffer& output, const PixelBuffer& a, const PixelBuffer& b,
                     const PixelBuffer& mask) {
  if (!MergeInputsFit(output, a, b) || !Is24(mask) || !SameSize(a, mask)) return;
  MergeRows(output, a, [&](std::uint8_t* row, int y, std::size_t bytes) {
    kernels::MaskBlendRow(row, a.Row(y), b.Row(y), mask.Row(y), bytes);
  });
}

void MergeToBitmap32(PixelBuffer& output, const PixelBuffer& a, const PixelBuffer& b,
                     int m) {
  if (!MergeInputsFit(output, a, b)) return;
  const auto mask = static_cast<std::uint8_t>(std::clamp(m, 0, 255));
  MergeRows(output, a, [&](std::uint8_t* row, int y, std::size_t bytes) {
    kernels::MaskBlendConstRow(row, a.Row(y), b.Row(y), mask, bytes);
  });
}

}  // namespace folvane
