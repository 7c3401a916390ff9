// A section painted onto a device context, and image-list pictures taken
// into working bitmaps, on real GDI.

#include "paint/SectionToDC.h"

#include <gtest/gtest.h>

#include "paint/ImageListItem.h"
#include "paint/PaintTestSupport.h"
#include "paint/SectionPainting.h"
#include "paint/SkinFixture.h"
#include "runtime/win/ExtCtrls.h"
#include "support/NoHandleLeaks.h"

namespace folvane {
namespace {

using test::Entry;
using test::Filled;

constexpr TColor D = 0x0D0D0D;
constexpr TColor kColor = RgbColor(200, 100, 50);

class OnADeviceContext : public test::NoHandleLeaks {
 protected:
  OnADeviceContext() {
    SkinContents c;
    c.MasterBitmap = test::NumberedMaster(40, 20);
    c.MasterBitmap.SetColor(6, 10, KeyColor);  // a see-through corner of image 1
    TsGeneralData button = test::Section("BUTTON", kColor);
    button.Transparency = 40;
    c.Sections.push_back(button);
    c.Masks.push_back(Entry("BUTTON", "BORDERSMASK", {0, 10, 18, 16}, 3, 0, 2, 2, 2, 2));
    model = test::ModelOf(std::move(c));
  }
  std::unique_ptr<SkinModel> model;
};

TEST_F(OnADeviceContext, SectionLandsAtTheRectangleAsPaintSectionPaintsIt) {
  PixelBuffer parent = test::NumberedMaster(30, 30);
  const BackgroundInfo bg = BitmapBackground(parent, 1, 2);
  TBitmap target(20, 16);
  target.Pixels().Fill(D);
  HDC dc = target.DC();
  SetTextColor(dc, 0x112233);
  PaintSectionToDC(0, "BUTTON", bg, *model, dc, {3, 4}, {5, 6, 15, 14}, 1, false);
  GdiFlush();
  EXPECT_EQ(GetTextColor(dc), 0x112233u);

  // The same section painted in memory at the origin of a 10 x 8 bitmap.
  PixelBuffer expect = Filled(10, 8, 0);
  PaintSection(0, "BUTTON", bg, -1, -1, *model, expect, {3, 4}, {0, 0, 10, 8}, 1, false);
  EXPECT_EQ(expect.GetColor(0, 0), test::Src(4, 6));  // the key corner shows the parent
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 5 && x < 15 && y >= 6 && y < 14;
      ASSERT_EQ(target.Pixels().GetColor(x, y), inside ? expect.GetColor(x - 5, y - 6) : D)
          << x << "," << y;
    }
}

TEST_F(OnADeviceContext, NegativeOrEmptyRectanglesAndInvalidSectionsPaintNothing) {
  TBitmap target(20, 16);
  target.Pixels().Fill(D);
  const BackgroundInfo bg = ColorBackground(0);
  PaintSectionToDC(0, "BUTTON", bg, *model, target.DC(), {}, {-1, 0, 5, 5}, 0, true);
  PaintSectionToDC(0, "BUTTON", bg, *model, target.DC(), {}, {0, -1, 5, 5}, 0, true);
  PaintSectionToDC(0, "BUTTON", bg, *model, target.DC(), {}, {4, 4, 4, 9}, 0, true);
  PaintSectionToDC(5, "NONE", bg, *model, target.DC(), {}, {0, 0, 5, 5}, 0, true);
  GdiFlush();
  EXPECT_TRUE(test::SamePixels(target.Pixels(), Filled(20, 16, D)));
}

TEST_F(OnADeviceContext, ImageListItemOverTheListsBackgroundColour) {
  TImageList list(nullptr, 4, 3);
  TBitmap picture(4, 3, PixelFormat::Bgra32);
  picture.Pixels().Fill(0x336699, 0xFF);
  picture.Pixels().SetColor(1, 1, 0);
  picture.Pixels().Row(1)[4 + 3] = 0;  // one fully transparent pixel
  ASSERT_EQ(list.Add(picture), 0);

  TBitmap b;
  ImageListItemToBitmap(b, list, 0);
  ASSERT_EQ(b.Width(), 4);
  ASSERT_EQ(b.Height(), 3);
  EXPECT_EQ(b.Pixels().Format(), PixelFormat::Bgr24);
  EXPECT_EQ(b.Pixels().GetColor(0, 0), 0x336699u);
  EXPECT_EQ(b.Pixels().GetColor(3, 2), 0x336699u);
  EXPECT_EQ(b.Pixels().GetColor(1, 1), KeyColor);  // no background colour: the key

  ImageList_SetBkColor(list.Handle(), RGB(1, 2, 3));
  ImageListItemToBitmap(b, list, 0);
  EXPECT_EQ(b.Pixels().GetColor(1, 1), TColor{RGB(1, 2, 3)});
  EXPECT_EQ(b.Pixels().GetColor(0, 0), 0x336699u);

  ImageListItemToBitmap(b, list, 7);  // no such item: the fill alone
  EXPECT_EQ(b.Pixels().GetColor(0, 0), TColor{RGB(1, 2, 3)});
}

}  // namespace
}  // namespace folvane
