// Painting paths that go through real GDI - stretched border pieces,
// stretching texture modes, four-triangle gradients - compared pixel by
// pixel with a picture the test computes: a linear resampling of each
// source piece, or the triangles' linear shading. The platform's halftone
// filter and triangle rasteriser differ from that model by a few levels;
// a wrong rectangle, a piece from the wrong place or a missing call is
// off by far more. Pixels outside what is painted must stay exactly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>

#include "paint/PaintGradient.h"
#include "paint/PaintMask.h"
#include "paint/PaintTexture.h"
#include "paint/PaintTestSupport.h"
#include "paint/SkinFixture.h"

namespace folvane {
namespace {

using test::Entry;
using test::Filled;

constexpr TColor D = 0x0D0D0D;
constexpr int kStep = 24;  // channel step between neighbouring source pixels

struct Rgb {
  double r, g, b;
};

Rgb RgbOf(TColor c) { return {double(c & 0xFF), double(c >> 8 & 0xFF), double(c >> 16 & 0xFF)}; }
TColor ColorOf(const Rgb& c) {
  auto byte = [](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
  return RgbColor(byte(c.r), byte(c.g), byte(c.b));
}
Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Source piece `from` (inside `source`) resampled linearly over `to`:
// destination pixel centres mapped onto source pixel centres, clamped at
// the piece's edges.
void Resample(PixelBuffer& expect, const PixelRect& to, const PixelBuffer& source,
              const PixelRect& from) {
  auto axis = [](int d, int destLen, int srcLen, int& i0, int& i1, double& t) {
    const double s = std::clamp((d + 0.5) * srcLen / destLen - 0.5, 0.0, srcLen - 1.0);
    i0 = static_cast<int>(std::floor(s));
    i1 = std::min(i0 + 1, srcLen - 1);
    t = s - i0;
  };
  for (int y = to.Top; y < to.Bottom; ++y)
    for (int x = to.Left; x < to.Right; ++x) {
      int x0, x1, y0, y1;
      double tx, ty;
      axis(x - to.Left, to.Width(), from.Width(), x0, x1, tx);
      axis(y - to.Top, to.Height(), from.Height(), y0, y1, ty);
      auto at = [&](int i, int j) { return RgbOf(source.GetColor(from.Left + i, from.Top + j)); };
      expect.SetColor(x, y, ColorOf(Mix(Mix(at(x0, y0), at(x1, y0), tx),
                                        Mix(at(x0, y1), at(x1, y1), tx), ty)));
    }
}

// Every pixel within `tolerance` per channel of the expected picture; on
// failure the first few differences are named.
testing::AssertionResult Matches(const PixelBuffer& got, const PixelBuffer& expect,
                                 int tolerance) {
  std::ostringstream out;
  int bad = 0;
  for (int y = 0; y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x) {
      const TColor a = got.GetColor(x, y), b = expect.GetColor(x, y);
      int worst = 0;
      for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
      if (worst <= tolerance) continue;
      if (++bad <= 6)
        out << " (" << x << "," << y << ") got " << std::hex << a << " expected " << b
            << std::dec;
    }
  if (bad == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << bad << " pixels off by more than " << tolerance << ":"
                                     << out.str();
}

// A master whose pieces are ramps: pixel (x, y) of the piece with origin
// (ox, oy) and base colour `base` is base + kStep * (x - ox) in red and
// base + kStep * (y - oy) in green, so a piece taken one pixel off or from
// its neighbour is easily told apart.
void RampPiece(PixelBuffer& master, const PixelRect& piece, TColor base) {
  for (int y = piece.Top; y < piece.Bottom; ++y)
    for (int x = piece.Left; x < piece.Right; ++x)
      master.SetColor(x, y, RgbColor(static_cast<std::uint8_t>(RedOf(base) + kStep * (x - piece.Left)),
                                     static_cast<std::uint8_t>(GreenOf(base) + kStep * (y - piece.Top)),
                                     BlueOf(base)));
}

// One 12 x 9 border image, slices left 3, top 2, right 4, bottom 3: its
// edges are 5 long and its centre 5 x 4, each a ramp of its own colour.
class StretchedBorder : public testing::Test {
 protected:
  StretchedBorder() {
    SkinContents c;
    c.MasterBitmap = Filled(12, 9, 0x404040);
    for (const auto& p : Pieces()) RampPiece(c.MasterBitmap, p.source, p.base);
    c.Masks.push_back(Entry("B", "BORDERSMASK", {0, 0, 12, 9}, 1, 0, 3, 2, 4, 3, 1 | 4));
    model = test::ModelOf(std::move(c));
  }
  struct Piece {
    PixelRect source;
    TColor base;
    std::function<PixelRect(const PixelRect&)> dest;
  };
  static std::vector<Piece> Pieces() {
    return {
        {{3, 0, 8, 2}, RgbColor(10, 10, 200), [](const PixelRect& r) {
           return PixelRect{r.Left + 3, r.Top, r.Right - 4, r.Top + 2}; }},
        {{3, 6, 8, 9}, RgbColor(10, 10, 150), [](const PixelRect& r) {
           return PixelRect{r.Left + 3, r.Bottom - 3, r.Right - 4, r.Bottom}; }},
        {{0, 2, 3, 6}, RgbColor(10, 10, 100), [](const PixelRect& r) {
           return PixelRect{r.Left, r.Top + 2, r.Left + 3, r.Bottom - 3}; }},
        {{8, 2, 12, 6}, RgbColor(10, 10, 50), [](const PixelRect& r) {
           return PixelRect{r.Right - 4, r.Top + 2, r.Right, r.Bottom - 3}; }},
        {{3, 2, 8, 6}, RgbColor(100, 100, 0), [](const PixelRect& r) {
           return PixelRect{r.Left + 3, r.Top + 2, r.Right - 4, r.Bottom - 3}; }},
    };
  }
  // The corners are plain copies of the master's, at the rectangle's corners.
  void CopyCorners(PixelBuffer& expect, const PixelRect& rect) const {
    const PixelBuffer& master = model->MasterBitmap();
    for (const PixelRect& corner : {PixelRect{0, 0, 3, 2}, PixelRect{8, 0, 12, 2},
                                    PixelRect{0, 6, 3, 9}, PixelRect{8, 6, 12, 9}}) {
      const int dx = corner.Left < 3 ? rect.Left : rect.Right - 12;
      const int dy = corner.Top < 6 ? rect.Top : rect.Bottom - 9;
      for (int y = corner.Top; y < corner.Bottom; ++y)
        for (int x = corner.Left; x < corner.Right; ++x)
          expect.SetColor(dx + x, dy + y, master.GetColor(x, y));
    }
  }
  std::unique_ptr<SkinModel> model;
};

TEST_F(StretchedBorder, EdgesAndCentreAreStretchedIntoTheirPlaces) {
  const PixelRect rect{3, 2, 43, 32};
  PixelBuffer got = Filled(48, 36, D);
  PaintMask(got, rect, true, false, 0, *model->Mask(0), ColorBackground(0));

  PixelBuffer expect = Filled(48, 36, D);
  const PixelBuffer& master = model->MasterBitmap();
  for (const auto& p : Pieces()) Resample(expect, p.dest(rect), master, p.source);
  CopyCorners(expect, rect);
  EXPECT_TRUE(Matches(got, expect, kStep / 2 + 2));
}

TEST_F(StretchedBorder, WithoutTheCentreOnlyTheFrameIsPainted) {
  const PixelRect rect{0, 0, 20, 14};
  PixelBuffer got = Filled(20, 14, D);
  PaintMask(got, rect, false, false, 0, *model->Mask(0), ColorBackground(0));
  PixelBuffer expect = Filled(20, 14, D);
  const PixelBuffer& master = model->MasterBitmap();
  for (const auto& p : Pieces())
    if (p.source != PixelRect{3, 2, 8, 6}) Resample(expect, p.dest(rect), master, p.source);
  CopyCorners(expect, rect);
  EXPECT_TRUE(Matches(got, expect, kStep / 2 + 2));
}

// A 4 x 3 texture tile, a ramp in both directions.
class StretchedTexture : public testing::Test {
 protected:
  StretchedTexture() {
    SkinContents c;
    c.MasterBitmap = Filled(10, 6, 0x404040);
    RampPiece(c.MasterBitmap, {2, 1, 6, 4}, RgbColor(40, 60, 90));
    c.Masks.push_back(Entry("S", "PATTERN", {2, 1, 6, 4}, 1, 0, 0, 0, 0, 0, 0, itisaTexture));
    model = test::ModelOf(std::move(c));
  }
  std::unique_ptr<SkinModel> model;
};

TEST_F(StretchedTexture, StretchingModesCoverWhatTheySayAndLeaveTheRest) {
  const PixelRect rect{2, 3, 30, 24};
  const struct {
    int mode;
    PixelRect covered, uncovered;
  } cases[] = {
      {1, rect, kNothingUncovered},
      {4, {2, 3, 30, 6}, {2, 6, 30, 24}},   // across at natural height
      {5, {2, 3, 6, 24}, {6, 3, 30, 24}},   // down at natural width
  };
  for (const auto& c : cases) {
    PixelBuffer got = Filled(34, 28, D);
    TsMaskData& mask = const_cast<TsMaskData&>(*model->Mask(0));
    mask.StretchMode = c.mode;
    EXPECT_EQ(PaintTexture(got, rect, nullptr, c.mode, &mask), c.uncovered) << c.mode;
    PixelBuffer expect = Filled(34, 28, D);
    Resample(expect, c.covered, model->MasterBitmap(), {2, 1, 6, 4});
    EXPECT_TRUE(Matches(got, expect, kStep / 2 + 2)) << "mode " << c.mode;
  }
}

// The colour of a point inside triangle (a, b, c), shaded linearly.
bool Shade(double x, double y, const GradientVertex& a, const GradientVertex& b,
           const GradientVertex& c, Rgb& out) {
  const double det = (b.Y - c.Y) * (a.X - c.X) + (c.X - b.X) * (a.Y - c.Y);
  if (det == 0) return false;
  const double wa = ((b.Y - c.Y) * (x - c.X) + (c.X - b.X) * (y - c.Y)) / det;
  const double wb = ((c.Y - a.Y) * (x - c.X) + (a.X - c.X) * (y - c.Y)) / det;
  const double wc = 1 - wa - wb;
  const double eps = 1e-9;
  if (wa < -eps || wb < -eps || wc < -eps) return false;
  const Rgb ca = RgbOf(a.Color), cb = RgbOf(b.Color), cc = RgbOf(c.Color);
  out = {wa * ca.r + wb * cb.r + wc * cc.r, wa * ca.g + wb * cb.g + wc * cc.g,
         wa * ca.b + wb * cb.b + wc * cc.b};
  return true;
}

TEST(TriangleGradient, FourTrianglesShadeFromTheCornersToTheCentre) {
  const PixelRect rect{4, 3, 44, 33};
  const TColor c0 = RgbColor(40, 60, 80), c1 = RgbColor(120, 110, 100),
               c2 = RgbColor(80, 40, 60), c3 = RgbColor(60, 80, 40);
  // Four segments: the fifth vertex (bottom left) repeats the fourth.
  const TsGradArray gradient = {{c0, 0, 25, 2}, {c1, 0, 25, 2}, {c2, 0, 25, 2}, {c3, 0, 25, 2}};
  PixelBuffer got = Filled(48, 36, D);
  PaintGradient(got, rect, gradient);

  const int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
  const GradientVertex v[5] = {{rect.Left, rect.Top, c0}, {cx, cy, c1}, {rect.Right, rect.Top, c2},
                               {rect.Right, rect.Bottom, c3}, {rect.Left, rect.Bottom, c3}};
  const int triangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  PixelBuffer expect = Filled(48, 36, D);
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      for (const auto& t : triangles) {
        Rgb shade;
        if (Shade(x, y, v[t[0]], v[t[1]], v[t[2]], shade)) {
          expect.SetColor(x, y, ColorOf(shade));
          break;
        }
      }
  // Shades change by at most 4 levels a pixel here: the rasteriser's
  // choice of sample point stays within the tolerance.
  EXPECT_TRUE(Matches(got, expect, 6));
}

}  // namespace
}  // namespace folvane
