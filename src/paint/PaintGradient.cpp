#include "paint/PaintGradient.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "paint/PaintColor.h"

namespace folvane {

namespace {

// Channel accumulators that walk from one colour to another in n steps.
class ColorWalk {
 public:
  ColorWalk(TColor from, TColor to, std::int64_t steps) {
    const TColor a = ConvertColor(from), b = ConvertColor(to);
    const std::uint8_t ca[3] = {BlueOf(a), GreenOf(a), RedOf(a)};
    const std::uint8_t cb[3] = {BlueOf(b), GreenOf(b), RedOf(b)};
    for (int ch = 0; ch < 3; ++ch) {
      value_[ch] = ca[ch];
      step_[ch] = (static_cast<double>(cb[ch]) - ca[ch]) / static_cast<double>(steps);
    }
  }
  // The current colour as pixel bytes; then one step on.
  void Next(std::uint8_t* pixel) {
    for (int ch = 0; ch < 3; ++ch) {
      pixel[ch] = RoundToByte(value_[ch]);
      value_[ch] += step_[ch];
    }
  }

 private:
  double value_[3];
  double step_[3];
};

void FillRow(PixelBuffer& bitmap, int y, int left, int right, const std::uint8_t* pixel) {
  std::uint8_t* p = bitmap.Row(y) + 3 * left;
  for (int x = left; x < right; ++x, p += 3) std::memcpy(p, pixel, 3);
}

int Percent(const TsGradSegment& s) { return std::clamp(s.Percent, 0, 100); }

void VerticalBands(PixelBuffer& bitmap, const PixelRect& r, const TsGradArray& gradient) {
  const std::int64_t height = r.Height();
  std::int64_t s = r.Top;
  for (std::size_t i = 0; i < gradient.size(); ++i) {
    std::int64_t e = std::min<std::int64_t>(s + Percent(gradient[i]) * height / 100, r.Bottom - 1);
    if (i + 1 == gradient.size()) e = r.Bottom - 1;
    if (e - s > 0) {
      ColorWalk walk(gradient[i].Color1, gradient[i].Color2, e - s);
      for (std::int64_t y = s; y <= e; ++y) {
        std::uint8_t pixel[3];
        walk.Next(pixel);
        FillRow(bitmap, static_cast<int>(y), r.Left, r.Right, pixel);
      }
    }
    s = e;
  }
}

void HorizontalBands(PixelBuffer& bitmap, const PixelRect& r, const TsGradArray& gradient) {
  // Every row is the same: work one out, then copy the columns it painted.
  std::vector<std::uint8_t> row(static_cast<std::size_t>(r.Width()) * 3);
  const double width = r.Width();
  std::int64_t x = r.Left, paintedFrom = r.Right, paintedTo = r.Left - 1;
  for (std::size_t i = 0; i < gradient.size(); ++i) {
    const std::int64_t x0 = x;
    x = static_cast<std::int64_t>(RoundHalfEven(Percent(gradient[i]) * width / 100 + x0));
    x = std::min<std::int64_t>(x, r.Right - 1);
    if (i + 1 == gradient.size()) x = r.Right - 1;
    if (x - x0 > 0) {
      ColorWalk walk(gradient[i].Color1, gradient[i].Color2, x - x0);
      for (std::int64_t c = x0; c <= x; ++c) walk.Next(&row[static_cast<std::size_t>(c - r.Left) * 3]);
      paintedFrom = std::min(paintedFrom, x0);
      paintedTo = std::max(paintedTo, x);
    }
  }
  if (paintedFrom > paintedTo) return;
  const auto offset = static_cast<std::size_t>(paintedFrom - r.Left) * 3;
  const auto bytes = static_cast<std::size_t>(paintedTo - paintedFrom + 1) * 3;
  for (int y = r.Top; y < r.Bottom; ++y)
    std::memcpy(bitmap.Row(y) + 3 * paintedFrom, row.data() + offset, bytes);
}

void Triangles(PixelBuffer& bitmap, const PixelRect& r, const TsGradArray& gradient,
               PaintPlatform& platform) {
  const int w = r.Width(), h = r.Height();
  std::vector<GradientVertex> v = {{r.Left, r.Top, 0},
                                   {r.Left + w / 2, r.Top + h / 2, 0},
                                   {r.Right, r.Top, 0},
                                   {r.Right, r.Bottom, 0},
                                   {r.Left, r.Bottom, 0}};
  for (std::size_t k = 0; k < v.size(); ++k)
    v[k].Color = k < gradient.size() ? ConvertColor(gradient[k].Color1) & 0xFFFFFF
                                     : v[k - 1].Color;
  platform.FillGradientTriangles(bitmap, v, {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}});
}

}  // namespace

void PaintGradient(PixelBuffer& bitmap, PixelRect rect, const TsGradArray& gradient,
                   PaintPlatform& platform) {
  if (bitmap.Format() != PixelFormat::Bgr24 || gradient.empty()) return;
  const PixelRect r = ClampRect(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  switch (gradient.front().Mode) {
    case 0: return VerticalBands(bitmap, r, gradient);
    case 1: return HorizontalBands(bitmap, r, gradient);
    case 2: return Triangles(bitmap, r, gradient, platform);
    default: return;
  }
}

}  // namespace folvane
