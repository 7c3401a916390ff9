// The device-context helpers drawn into DIB sections, read back as pixels.

#include "paint/DcPrimitives.h"

#include <gtest/gtest.h>

#include "paint/PaintColor.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Control.h"
#include "support/NoHandleLeaks.h"

namespace folvane {
namespace {

constexpr TColor kGrey = 0x808080;

TBitmap Canvas(int w, int h, TColor fill = kGrey) {
  TBitmap b(w, h);
  b.Pixels().Fill(fill);
  return b;
}

// Leaves the DC with the objects it had and no handle alive.
class DcPrimitives : public test::NoHandleLeaks {};

TEST_F(DcPrimitives, FillRectColorFillsConvertedColourAndRestoresTheDc) {
  TBitmap b = Canvas(6, 4);
  HDC dc = b.DC();
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  FillRectColor(dc, {1, 1, 4, 3}, 0xFF00000F);  // system button face
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  const PixelBuffer& p = b.Pixels();
  EXPECT_EQ(p.GetColor(1, 1), ConvertColor(0xFF00000F));
  EXPECT_EQ(p.GetColor(3, 2), ConvertColor(0xFF00000F));
  EXPECT_EQ(p.GetColor(4, 2), kGrey);
  EXPECT_EQ(p.GetColor(1, 3), kGrey);
}

TEST_F(DcPrimitives, FillBorderStripsLeavesTheCentre) {
  TBitmap b = Canvas(10, 10);
  FillBorderStrips(b.DC(), {0, 0, 10, 10}, 1, 2, 3, 1, 0x0000FF);
  const PixelBuffer& p = b.Pixels();
  const struct { int x, y; bool filled; } probes[] = {
      {5, 1, true},  // top strip, two high
      {0, 5, true},  // left, one wide
      {5, 9, true},  // bottom, one high
      {7, 5, true},  // right, three wide
      {6, 5, false}, {1, 2, false}, {6, 8, false}};
  for (const auto& pr : probes)
    EXPECT_EQ(p.GetColor(pr.x, pr.y), pr.filled ? 0x0000FFu : kGrey) << pr.x << "," << pr.y;
  // Widths beyond the rectangle fill it, and nothing outside it.
  TBitmap c = Canvas(6, 6);
  FillBorderStrips(c.DC(), {1, 1, 4, 4}, 50, -3, 50, 50, 0x00FF00);
  EXPECT_EQ(c.Pixels().GetColor(2, 2), 0x00FF00u);
  EXPECT_EQ(c.Pixels().GetColor(4, 4), kGrey);
}

TEST_F(DcPrimitives, CopyBorderFrameCopiesTheFrameOnly) {
  TBitmap source = Canvas(8, 6, 0x00FF00);
  TBitmap dest = Canvas(10, 8);
  CopyBorderFrame(dest.DC(), 1, 1, 8, 6, source.DC(), 0, 0, 2);
  const PixelBuffer& p = dest.Pixels();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool inArea = x >= 1 && x < 9 && y >= 1 && y < 7;
      const bool inside = x >= 3 && x < 7 && y >= 3 && y < 5;
      EXPECT_EQ(p.GetColor(x, y), inArea && !inside ? 0x00FF00u : kGrey) << x << "," << y;
    }
  TBitmap whole = Canvas(4, 4);
  CopyBorderFrame(whole.DC(), 0, 0, 4, 4, source.DC(), 0, 0, 2);  // frame is everything
  EXPECT_EQ(whole.Pixels().GetColor(2, 2), 0x00FF00u);
}

TEST_F(DcPrimitives, DrawFrameLinesLightTopLeftDarkBottomRight) {
  TBitmap b = Canvas(6, 6);
  DrawFrameLines(b.DC(), {0, 0, 6, 6}, 0xFFFFFF, 2, 0x000000);
  const PixelBuffer& p = b.Pixels();
  EXPECT_EQ(p.GetColor(0, 0), 0xFFFFFFu);
  EXPECT_EQ(p.GetColor(4, 0), 0xFFFFFFu);
  EXPECT_EQ(p.GetColor(0, 4), 0xFFFFFFu);
  EXPECT_EQ(p.GetColor(5, 0), 0x000000u);
  EXPECT_EQ(p.GetColor(0, 5), 0x000000u);
  EXPECT_EQ(p.GetColor(5, 5), 0x000000u);
  EXPECT_EQ(p.GetColor(1, 1), 0xFFFFFFu);  // second bevel
  EXPECT_EQ(p.GetColor(4, 4), 0x000000u);
  EXPECT_EQ(p.GetColor(2, 2), kGrey);
  DrawFrameLines(b.DC(), {0, 0, 6, 6}, 0xFFFFFF, 1000000, 0x000000);  // stops early
}

TEST_F(DcPrimitives, ExcludeGraphicChildrenKeepsFillsOffVisibleGraphicChildren) {
  TWinControl parent(nullptr);
  TGraphicControl shown(nullptr), hidden(nullptr);
  TWinControl windowed(nullptr);
  shown.SetBounds(1, 1, 2, 2);
  hidden.SetBounds(4, 1, 2, 2);
  hidden.SetVisible(false);
  windowed.SetBounds(1, 4, 2, 2);
  for (TControl* c : {static_cast<TControl*>(&shown), static_cast<TControl*>(&hidden),
                      static_cast<TControl*>(&windowed)})
    c->SetParent(&parent);

  TBitmap b = Canvas(8, 8);
  HDC dc = b.DC();
  const int saved = SaveDC(dc);
  ExcludeGraphicChildren(dc, parent, 1, 0);
  FillRectColor(dc, {0, 0, 8, 8}, 0x0000FF);
  RestoreDC(dc, saved);
  const PixelBuffer& p = b.Pixels();
  EXPECT_EQ(p.GetColor(2, 1), kGrey);  // shown, moved by (1, 0)
  EXPECT_EQ(p.GetColor(3, 2), kGrey);
  EXPECT_EQ(p.GetColor(1, 1), 0x0000FFu);
  EXPECT_EQ(p.GetColor(5, 1), 0x0000FFu);  // hidden
  EXPECT_EQ(p.GetColor(2, 4), 0x0000FFu);  // windowed
  for (TControl* c : {static_cast<TControl*>(&shown), static_cast<TControl*>(&hidden),
                      static_cast<TControl*>(&windowed)})
    c->SetParent(nullptr);
}

TEST_F(DcPrimitives, SystemColoursComeFromTheSystem) {
  EXPECT_EQ(ConvertColor(0xFF000005), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace folvane
