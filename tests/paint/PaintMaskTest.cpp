#include "paint/PaintMask.h"

#include <gtest/gtest.h>

#include <climits>

#include "paint/PaintTestSupport.h"
#include "paint/RecordingPaintPlatform.h"
#include "paint/SkinFixture.h"

namespace folvane {
namespace {

using test::Entry;
using test::Filled;
using test::Src;

constexpr TColor D = 0x0D0D0D;  // the bitmap before painting

struct Probe {
  int x, y;
  TColor expect;
};

void ExpectProbes(const PixelBuffer& b, std::initializer_list<Probe> probes, const char* what) {
  for (const Probe& p : probes)
    EXPECT_EQ(b.GetColor(p.x, p.y), p.expect) << what << " at " << p.x << "," << p.y;
}

TEST(ShrinkSlices, LoseHalfTheExcessEachTheFarOneMoreForOddLengths) {
  const struct { std::int64_t length; int nearSlice, farSlice, expectNear, expectFar; } cases[] = {
      {5, 4, 4, 3, 2}, {6, 4, 4, 3, 3}, {8, 4, 4, 4, 4}, {20, 4, 4, 4, 4},
      {1, 4, 4, 1, 0}, {3, 0, 10, 0, 6}, {0, 4, 4, 0, 0}, {7, -3, 2, 0, 2}};
  for (const auto& c : cases) {
    const SlicePair s = ShrinkSlices(c.length, c.nearSlice, c.farSlice);
    EXPECT_EQ(s.Near, c.expectNear) << c.length << " " << c.nearSlice << " " << c.farSlice;
    EXPECT_EQ(s.Far, c.expectFar) << c.length << " " << c.nearSlice << " " << c.farSlice;
  }
}

// Three 6 x 6 state images side by side, slices 2 on every side: corners
// 2 x 2, edge and centre tiles 2 wide or high.
class BorderMask : public testing::Test {
 protected:
  BorderMask() {
    SkinContents c;
    c.MasterBitmap = test::NumberedMaster(40, 20);
    c.Masks.push_back(Entry("B", "BORDERSMASK", {0, 0, 18, 6}, 3, 0, 2, 2, 2, 2, 4));
    model = test::ModelOf(std::move(c));
  }
  const TsMaskData& Mask() const { return *model->Mask(0); }
  TsMaskData& Editable() { return const_cast<TsMaskData&>(Mask()); }
  std::unique_ptr<SkinModel> model;
};

TEST_F(BorderMask, NineSlicesTiledFromTheStateImage) {
  PixelBuffer b = Filled(14, 12, D);
  PaintMask(b, {1, 1, 13, 11}, true, false, 1, Mask(), ColorBackground(0));
  // State 1 starts at x = 6; its centre tile is (8, 2) - (10, 4).
  ExpectProbes(b, {{1, 1, Src(6, 0)},   {2, 2, Src(7, 1)},   {11, 1, Src(10, 0)},
                   {12, 2, Src(11, 1)}, {1, 9, Src(6, 4)},   {12, 10, Src(11, 5)},
                   {3, 1, Src(8, 0)},   {4, 1, Src(9, 0)},   {5, 1, Src(8, 0)},
                   {10, 2, Src(9, 1)},  {1, 3, Src(6, 2)},   {1, 4, Src(6, 3)},
                   {1, 5, Src(6, 2)},   {12, 8, Src(11, 3)}, {4, 10, Src(9, 5)},
                   {3, 3, Src(8, 2)},   {10, 8, Src(9, 3)},  {0, 0, D},
                   {13, 11, D},         {0, 5, D}},
               "state 1");
}

TEST_F(BorderMask, CentreNeedsBothTheCallerAndStretchModeBitFour) {
  for (bool fillCentre : {false, true}) {
    Editable().StretchMode = fillCentre ? 0 : 4;
    PixelBuffer b = Filled(14, 12, D);
    PaintMask(b, {1, 1, 13, 11}, fillCentre, false, 0, Mask(), ColorBackground(0));
    EXPECT_EQ(b.GetColor(5, 5), D);
    EXPECT_EQ(b.GetColor(1, 1), Src(0, 0));
  }
}

TEST_F(BorderMask, StateBeyondTheImagesPaintsTheLastAndBitTwoSkipsStateZero) {
  PixelBuffer b = Filled(14, 12, D);
  PaintMask(b, {1, 1, 13, 11}, false, false, 5, Mask(), ColorBackground(0));
  EXPECT_EQ(b.GetColor(1, 1), Src(12, 0));  // frame 2
  for (int mode : {2, 6}) {
    Editable().StretchMode = mode;
    PixelBuffer normal = Filled(14, 12, D), hot = Filled(14, 12, D);
    PaintMask(normal, {1, 1, 13, 11}, true, false, 0, Mask(), ColorBackground(0));
    PaintMask(hot, {1, 1, 13, 11}, true, false, 1, Mask(), ColorBackground(0));
    EXPECT_TRUE(test::SamePixels(normal, Filled(14, 12, D))) << mode;
    EXPECT_EQ(hot.GetColor(1, 1), Src(6, 0)) << mode;
  }
}

TEST_F(BorderMask, KeyCornerPixelsShowTheBackground) {
  PixelBuffer parent = test::NumberedMaster(20, 20);  // stands for the parent's image
  const_cast<PixelBuffer&>(model->MasterBitmap()).SetColor(0, 0, KeyColor);
  const struct {
    const char* what;
    bool fill;
    BackgroundInfo bg;
    TColor expect;
  } cases[] = {
      {"bitmap, fill corners", true, BitmapBackground(parent, 3, 4), Src(4, 5)},
      {"bitmap, no fill", false, BitmapBackground(parent, 3, 4), D},
      {"colour, no fill", false, ColorBackground(0x123456), 0x123456},
      {"colour, fill", true, ColorBackground(0x123456), 0x123456},
  };
  for (const auto& c : cases) {
    PixelBuffer b = Filled(14, 12, D);
    PaintMask(b, {1, 1, 13, 11}, false, c.fill, 0, Mask(), c.bg);
    EXPECT_EQ(b.GetColor(1, 1), c.expect) << c.what;
    EXPECT_EQ(b.GetColor(2, 1), Src(1, 0)) << c.what;
  }
}

TEST(PaintMaskShrink, SlicesThreeAndTwoThenThreeAndThree) {
  SkinContents c;
  c.MasterBitmap = test::NumberedMaster(40, 20);
  c.Masks.push_back(Entry("B", "BORDERSMASK", {0, 0, 30, 10}, 3, 0, 4, 2, 4, 2));
  auto model = test::ModelOf(std::move(c));
  // Width 5: L = 3, R = 2, the right corner from x = 3 + (10 - 3 - 2).
  PixelBuffer five = Filled(5, 6, D);
  PaintMask(five, {0, 0, 5, 6}, false, false, 0, *model->Mask(0), ColorBackground(0));
  ExpectProbes(five, {{2, 0, Src(2, 0)}, {3, 0, Src(8, 0)}, {4, 0, Src(9, 0)}}, "width 5");
  // Width 6: L = R = 3, the right corner from x = 3 + 4.
  PixelBuffer six = Filled(6, 6, D);
  PaintMask(six, {0, 0, 6, 6}, false, false, 0, *model->Mask(0), ColorBackground(0));
  ExpectProbes(six, {{2, 0, Src(2, 0)}, {3, 0, Src(7, 0)}, {5, 0, Src(9, 0)}}, "width 6");
}

TEST(PaintMaskEdges, ATileWithoutLengthIsCopiedOnceOverTheWholeEdge) {
  SkinContents c;
  c.MasterBitmap = test::NumberedMaster(40, 20);
  c.Masks.push_back(Entry("B", "BORDERSMASK", {0, 0, 12, 4}, 3, 0, 2, 2, 2, 2));
  auto model = test::ModelOf(std::move(c));
  PixelBuffer b = Filled(14, 12, D);
  PaintMask(b, {1, 1, 13, 11}, false, false, 0, *model->Mask(0), ColorBackground(0));
  // The top edge runs from x = 3 to 11 and reads on from the tile's place.
  ExpectProbes(b, {{3, 1, Src(2, 0)}, {10, 1, Src(9, 0)}, {1, 8, Src(0, 7)}}, "zero tiles");
}

TEST(PaintMaskMasked, NoCentreRowsLeavesSidesAndCentreAlone) {
  // Two 6-wide states; images in rows 0-3, their masks (black: the image
  // shows exactly) in rows 4-7. WT + WB = FH = 4: no centre rows.
  SkinContents c;
  c.MasterBitmap = test::NumberedMaster(12, 8);
  for (int y = 4; y < 8; ++y)
    for (int x = 0; x < 12; ++x) c.MasterBitmap.SetColor(x, y, 0x000000);
  c.MasterBitmap.SetColor(1, 1, KeyColor);  // a corner pixel of state 0
  c.Masks.push_back(Entry("B", "BORDERSMASK", {0, 0, 12, 8}, 2, 1, 2, 2, 2, 2, 4));
  auto model = test::ModelOf(std::move(c));
  PixelBuffer parent = test::NumberedMaster(20, 20);
  PixelBuffer b = Filled(10, 10, D);
  PaintMask(b, {0, 0, 10, 10}, true, true, 0, *model->Mask(0), BitmapBackground(parent, 5, 5));
  ExpectProbes(b, {{0, 0, Src(0, 0)},   {1, 1, Src(6, 6)},  // key: the parent's pixel
                   {4, 0, Src(2, 0)},   {0, 9, Src(0, 3)},  {9, 9, Src(5, 3)},
                   {0, 5, D},           {9, 5, D},          {5, 5, D}},
               "masked");
}

TEST_F(BorderMask, StretchedPiecesGoToThePlatform) {
  Editable().StretchMode = 1 | 4;
  test::RecordingPaintPlatform platform;
  PixelBuffer b = Filled(14, 12, D);
  PaintMask(b, {1, 1, 13, 11}, true, false, 1, Mask(), ColorBackground(0), platform);
  ASSERT_EQ(platform.stretches.size(), 5u);  // four edges and the centre
  const struct { PixelRect dest, source; } expected[] = {
      {{1, 3, 3, 9}, {6, 2, 8, 4}},     // left
      {{3, 1, 11, 3}, {8, 0, 10, 2}},   // top
      {{3, 9, 11, 11}, {8, 4, 10, 6}},  // bottom
      {{11, 3, 13, 9}, {10, 2, 12, 4}}, // right
      {{3, 3, 11, 9}, {8, 2, 10, 4}}};  // centre
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(platform.stretches[i].dest, expected[i].dest) << i;
    EXPECT_EQ(platform.stretches[i].source, expected[i].source) << i;
    EXPECT_EQ(platform.stretches[i].from, &model->MasterBitmap());
  }
  EXPECT_EQ(b.GetColor(1, 1), Src(6, 0));  // corners are still copied
}

TEST_F(BorderMask, DegenerateEntriesAndRectanglesPaintNothingOrClip) {
  const struct {
    const char* what;
    int imageCount, maskType;
    PixelRect r;
    int slices;
    bool paintsNothing;
  } entries[] = {{"no images", 0, 0, {0, 0, 18, 6}, 2, true},
                 {"negative mask type", 3, -1, {0, 0, 18, 6}, 2, true},
                 {"slices beyond the frame", 3, 0, {0, 0, 18, 6}, 50, false},
                 {"rectangle beyond the master", 3, 1, {30, 15, 90, 95}, 2, false},
                 {"inverted rectangle", 3, 0, {18, 6, 0, 0}, 2, true},
                 {"huge rectangle", 1, 1, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 2, false}};
  const PixelRect rects[] = {{-5, -5, 100, 100}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                             {0, 0, 14, 12}};
  TsMaskData& m = Editable();
  for (const auto& e : entries) {
    m.ImageCount = e.imageCount;
    m.MaskType = e.maskType;
    m.Left = e.r.Left, m.Top = e.r.Top, m.Right = e.r.Right, m.Bottom = e.r.Bottom;
    m.WL = m.WT = m.WR = m.WB = e.slices;
    for (const PixelRect& r : rects) {
      PixelBuffer b = Filled(14, 12, D);
      PaintMask(b, r, true, true, 1, m, BitmapBackground(b, INT_MAX, INT_MIN));
      if (e.paintsNothing) {
        EXPECT_TRUE(test::SamePixels(b, Filled(14, 12, D))) << e.what;
      }
    }
  }
}

TEST_F(BorderMask, NarrowRectanglesAndEntriesWithoutManagerPaintNothing) {
  PixelBuffer b = Filled(14, 12, D);
  PaintMask(b, {1, 1, 2, 11}, true, true, 1, Mask(), ColorBackground(0));
  PaintMask(b, {1, 1, 13, 2}, true, true, 1, Mask(), ColorBackground(0));
  Editable().Manager = nullptr;
  PaintMask(b, {1, 1, 13, 11}, true, true, 1, Mask(), ColorBackground(0));
  EXPECT_TRUE(test::SamePixels(b, Filled(14, 12, D)));
}

}  // namespace
}  // namespace folvane
