// Every primitive over inputs that must paint nothing or clip: empty and
// one-pixel bitmaps, the wrong pixel format, inverted and enormous
// rectangles. The sanitizers catch any access outside a bitmap; the checks
// catch anything painted where nothing should be.

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "paint/Blends.h"
#include "paint/DisabledLook.h"
#include "paint/FocusDots.h"
#include "paint/KeyedCopies.h"
#include "paint/PaintColor.h"
#include "paint/PaintTestSupport.h"
#include "paint/TintRounded.h"

namespace folvane {
namespace {

using test::Filled;

std::vector<PixelBuffer> OddBitmaps() {
  std::vector<PixelBuffer> v;
  v.emplace_back();                                    // nothing at all
  v.emplace_back(0, 5, PixelFormat::Bgr24);            // no columns
  v.push_back(Filled(1, 1, 0x336699));                 // one pixel
  v.push_back(Filled(7, 1, 0x336699));                 // one row
  v.push_back(Filled(3, 3, 0x336699, PixelFormat::Bgra32));
  v.push_back(Filled(4, 3, 0x336699));                 // ordinary
  return v;
}

const PixelRect kRects[] = {
    {0, 0, 0, 0},        {3, 3, 1, 1},         {-5, -5, -1, -1},
    {100, 100, 200, 200}, {-1, -1, 100, 100},  {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    {INT_MAX, INT_MAX, INT_MIN, INT_MIN},      {INT_MAX - 1, 0, INT_MAX, 1}};

TEST(DegenerateInputs, NoPrimitiveReachesOutsideItsBitmaps) {
  std::vector<PixelBuffer> targets = OddBitmaps();
  std::vector<PixelBuffer> sources = OddBitmaps();
  PixelBuffer out32(3, 3, PixelFormat::Bgra32);
  for (PixelBuffer& t : targets) {
    for (const PixelRect& r : kRects) {
      BlendRectWithColor(t, r, 30, 0x112233);
      TintRounded(t, r, 30, 5, 5, 0x112233);
      DrawDottedFocus(t, r);
      for (const PixelBuffer& s : sources) {
        for (PixelPoint at : {PixelPoint{0, 0}, PixelPoint{-3, 2}, PixelPoint{INT_MIN, INT_MAX},
                              PixelPoint{INT_MAX, INT_MIN}}) {
          BlendKeyedRect(t, at.X, at.Y, s, r, KeyColor, 0.4);
          CopyKeyed(t, at.X, at.Y, s, r, KeyColor);
          CopyKeyedOverBackground(t, at.X, at.Y, s, r, KeyColor, true,
                                  BitmapBackground(s, at.Y, at.X));
          BlendBitmapRect(t, s, 128, at, r);
          ApplyDisabledLook(t, dkBlended | dkGrayed, 0, at, BitmapBackground(s, at.X, at.Y));
        }
        BlendBitmaps(t, s, 128);
        BlendColorThroughMask(t, s, 0);
        MergeToBitmap32(out32, t, s, 100);
        MergeToBitmap32(out32, t, t, s);
      }
    }
    BlendWithColorKeyed(t, 0x112233, KeyColor, 0.5);
    MakeGrey(t);
    MakeGreyExceptKey(t, KeyColor);
  }
  SUCCEED();
}

TEST(DegenerateInputs, WrongFormatsAndEmptyRectanglesPaintNothing) {
  PixelBuffer b32 = Filled(4, 4, 0x336699, PixelFormat::Bgra32);
  PixelBuffer b24 = Filled(4, 4, 0x336699);
  const std::vector<std::function<void(PixelBuffer&)>> paints = {
      [](PixelBuffer& t) { BlendRectWithColor(t, {0, 0, 3, 3}, 0, 0); },
      [](PixelBuffer& t) { BlendWithColorKeyed(t, 0, KeyColor, 0); },
      [](PixelBuffer& t) { MakeGrey(t); },
      [](PixelBuffer& t) { TintRounded(t, {0, 0, 4, 4}, 0, 0, 0, 0); },
      [](PixelBuffer& t) { CopyKeyed(t, 0, 0, Filled(4, 4, 0), {0, 0, 3, 3}, KeyColor); },
      [](PixelBuffer& t) { BlendBitmaps(t, Filled(4, 4, 0), 0); },
  };
  for (const auto& paint : paints) {
    paint(b32);
    EXPECT_EQ(b32.GetColor(1, 1), 0x336699u);
  }
  // Empty or inverted rectangles in exclusive-rectangle calls.
  TintRounded(b24, {2, 2, 2, 4}, 0, 0, 0, 0);
  BlendBitmapRect(b24, Filled(4, 4, 0), 0, {0, 0}, {3, 0, 1, 4});
  EXPECT_EQ(b24.GetColor(2, 2), 0x336699u);
}

}  // namespace
}  // namespace folvane
