// The platform's drawing for skin painting: GDI on device-independent
// bitmaps. Each call copies the affected part of the destination into a DIB
// section, lets GDI draw there and copies the result back, so painting can
// keep working on plain pixel buffers.

#include <windows.h>

#include <algorithm>
#include <climits>

#include "paint/PaintPlatform.h"
#include "runtime/Exception.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/HandleCount.h"

namespace folvane {

namespace {

void CopyPixels(PixelBuffer& to, int toX, int toY, const PixelBuffer& from, int fromX,
                int fromY, int w, int h) {
  const int tb = to.BytesPerPixel(), fb = from.BytesPerPixel();
  for (int y = 0; y < h; ++y) {
    std::uint8_t* t = to.Row(toY + y) + tb * toX;
    const std::uint8_t* f = from.Row(fromY + y) + fb * fromX;
    for (int x = 0; x < w; ++x, t += tb, f += fb) {
      t[0] = f[0];
      t[1] = f[1];
      t[2] = f[2];
    }
  }
}

// Two DIB sections kept between calls and grown as needed: making a DIB
// section and its DC costs far more than the copies, and a section is
// painted from many small pieces.
class Scratch {
 public:
  // The bitmap, at least w x h, holding `area` of `from` at (0, 0).
  TBitmap& Holding(const PixelBuffer& from, const PixelRect& area) {
    Grow(area.Width(), area.Height());
    CopyPixels(bitmap_.Pixels(), 0, 0, from, area.Left, area.Top, area.Width(), area.Height());
    return bitmap_;
  }
  void Release() { bitmap_ = TBitmap(); }
  void CopyBack(PixelBuffer& dest, const PixelRect& area) {
    CopyPixels(dest, area.Left, area.Top, bitmap_.Pixels(), 0, 0, area.Width(), area.Height());
  }

 private:
  void Grow(int w, int h) {
    if (!bitmap_.Empty() && bitmap_.Width() >= w && bitmap_.Height() >= h) return;
    bitmap_ = TBitmap(std::max(w, bitmap_.Empty() ? 0 : bitmap_.Width()),
                      std::max(h, bitmap_.Empty() ? 0 : bitmap_.Height()));
  }
  TBitmap bitmap_;
};

bool Inside(const PixelRect& r, const PixelBuffer& b) {
  return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() &&
         r.Bottom <= b.Height();
}

// A coordinate relative to the DIB's origin, or false when it leaves int.
bool Relative(int value, int origin, int& out) {
  const long long v = static_cast<long long>(value) - origin;
  if (v < INT_MIN || v > INT_MAX) return false;
  out = static_cast<int>(v);
  return true;
}

struct Steps {
  long long first, last;  // empty when first > last
};

// Steps k = 0 ... count - 1 of `size` from `start` whose span
// [start + k * size, start + (k + 1) * size) meets [low, high).
Steps StepsInside(long long start, long long size, long long count, long long low,
                  long long high) {
  auto floorDiv = [](long long a, long long b) { return a / b - ((a % b != 0) && (a < 0)); };
  const long long first = std::max(0LL, floorDiv(low - start, size));
  const long long last = std::min(count - 1, floorDiv(high - 1 - start, size));
  return {first, last};
}

class GdiPlatform : public PaintPlatform {
 public:
  void ReleaseScratch() {
    source_.Release();
    dest_.Release();
  }

  void StretchHalftone(PixelBuffer& dest, const PixelRect& destRect, const PixelBuffer& source,
                       const PixelRect& sourceRect) override {
    const PixelRect area = ClampRect(destRect, dest.Width(), dest.Height());
    int x, y;
    if (dest.Format() != PixelFormat::Bgr24 || area.IsEmpty() || !Inside(sourceRect, source) ||
        !Relative(destRect.Left, area.Left, x) || !Relative(destRect.Top, area.Top, y))
      return;
    Guarded([&] {
      TBitmap& from = source_.Holding(source, sourceRect);
      TBitmap& to = dest_.Holding(dest, area);
      HDC dc = to.DC();
      // Drawing outside `area` in a larger scratch is never copied back.
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, 0, 0, area.Width(), area.Height());
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);  // required after choosing halftone
      StretchBlt(dc, x, y, destRect.Width(), destRect.Height(), from.DC(), 0, 0,
                 sourceRect.Width(), sourceRect.Height(), SRCCOPY);
      RestoreDC(dc, saved);
      dest_.CopyBack(dest, area);
    });
  }

  void FillGradientTriangles(PixelBuffer& dest, const std::vector<GradientVertex>& vertices,
                             const std::vector<GradientTriangle>& triangles) override {
    if (dest.Format() != PixelFormat::Bgr24 || vertices.empty() || triangles.empty()) return;
    PixelRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const GradientVertex& v : vertices) {
      box.Left = std::min(box.Left, v.X);
      box.Top = std::min(box.Top, v.Y);
      box.Right = std::max(box.Right, v.X == INT_MAX ? v.X : v.X + 1);
      box.Bottom = std::max(box.Bottom, v.Y == INT_MAX ? v.Y : v.Y + 1);
    }
    const PixelRect area = ClampRect(box, dest.Width(), dest.Height());
    if (area.IsEmpty()) return;
    std::vector<TRIVERTEX> points;
    for (const GradientVertex& v : vertices) {
      TRIVERTEX t{};
      int x, y;
      if (!Relative(v.X, area.Left, x) || !Relative(v.Y, area.Top, y)) return;
      t.x = x;
      t.y = y;
      t.Red = static_cast<COLOR16>((v.Color & 0xFF) << 8);
      t.Green = static_cast<COLOR16>((v.Color >> 8 & 0xFF) << 8);
      t.Blue = static_cast<COLOR16>((v.Color >> 16 & 0xFF) << 8);
      t.Alpha = 0;
      points.push_back(t);
    }
    std::vector<GRADIENT_TRIANGLE> mesh;
    for (const GradientTriangle& t : triangles) {
      const int n = static_cast<int>(vertices.size());
      if (t.A < 0 || t.B < 0 || t.C < 0 || t.A >= n || t.B >= n || t.C >= n) return;
      mesh.push_back({static_cast<ULONG>(t.A), static_cast<ULONG>(t.B), static_cast<ULONG>(t.C)});
    }
    Guarded([&] {
      TBitmap& to = dest_.Holding(dest, area);
      HDC dc = to.DC();
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, 0, 0, area.Width(), area.Height());
      GradientFill(dc, points.data(), static_cast<ULONG>(points.size()), mesh.data(),
                   static_cast<ULONG>(mesh.size()), GRADIENT_FILL_TRIANGLE);
      RestoreDC(dc, saved);
      dest_.CopyBack(dest, area);
    });
  }

  void DrawPictureGrid(PixelBuffer& dest, const PixelRect& clip, const PixelBuffer& picture,
                       PixelPoint origin, int columns, int rows) override {
    const PixelRect area = ClampRect(clip, dest.Width(), dest.Height());
    if (dest.Format() != PixelFormat::Bgr24 || area.IsEmpty() || picture.Empty() ||
        columns <= 0 || rows <= 0)
      return;
    Guarded([&] {
      TBitmap& from = source_.Holding(picture, {0, 0, picture.Width(), picture.Height()});
      TBitmap& to = dest_.Holding(dest, area);
      const int saved = SaveDC(to.DC());
      IntersectClipRect(to.DC(), 0, 0, area.Width(), area.Height());
      // Only the grid positions that reach into the area.
      const Steps across = StepsInside(origin.X, picture.Width(), columns, area.Left, area.Right);
      const Steps down = StepsInside(origin.Y, picture.Height(), rows, area.Top, area.Bottom);
      for (long long j = down.first; j <= down.last; ++j)
        for (long long i = across.first; i <= across.last; ++i)
          BitBlt(to.DC(), static_cast<int>(origin.X + i * picture.Width() - area.Left),
                 static_cast<int>(origin.Y + j * picture.Height() - area.Top),
                 picture.Width(), picture.Height(), from.DC(), 0, 0, SRCCOPY);
      RestoreDC(to.DC(), saved);
      dest_.CopyBack(dest, area);
    });
  }

 private:
  Scratch source_;
  Scratch dest_;

  // Painting never fails: a bitmap the system cannot make paints nothing.
  template <typename Draw>
  static void Guarded(Draw draw) {
    try {
      draw();
    } catch (const Exception&) {
    }
  }
};

}  // namespace

PaintPlatform& GdiPaintPlatform() {
  static GdiPlatform platform;
  static const bool registered = [] {
    HandleCount::AddCache([] { platform.ReleaseScratch(); });
    return true;
  }();
  (void)registered;
  return platform;
}

}  // namespace folvane
