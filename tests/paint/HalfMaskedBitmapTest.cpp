#include "paint/HalfMaskedBitmap.h"

#include <gtest/gtest.h>

#include "paint/PaintTestSupport.h"
#include "paint/SkinFixture.h"

namespace folvane {
namespace {

using test::Filled;
using test::Src;

constexpr TColor D = 0x0D0D0D;

TEST(PaintHalfMaskedBitmap, KeyPixelsByBackgroundAndFill) {
  // 4 x 4: image rows 0-1 (a key pixel at (1, 0)), black masks in rows 2-3.
  PixelBuffer source = test::NumberedMaster(4, 4);
  for (int y = 2; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.SetColor(x, y, 0);
  source.SetColor(1, 0, KeyColor);
  PixelBuffer parent = test::NumberedMaster(20, 20);
  const struct {
    const char* what;
    bool fill;
    BackgroundInfo bg;
    TColor key;
  } cases[] = {
      {"bitmap with fill", true, BitmapBackground(parent, 2, 3), Src(4, 4)},
      {"bitmap without fill", false, BitmapBackground(parent, 2, 3), D},
      {"colour: keys blended like the rest", false, ColorBackground(0), KeyColor}};
  for (const auto& c : cases) {
    PixelBuffer b = Filled(6, 6, D);
    PaintHalfMaskedBitmap({1, 1, 6, 6}, {0, 0, 4, 2}, b, c.fill, c.bg, source);
    EXPECT_EQ(b.GetColor(2, 1), c.key) << c.what;
    EXPECT_EQ(b.GetColor(1, 1), Src(0, 0)) << c.what;
    EXPECT_EQ(b.GetColor(4, 2), Src(3, 1)) << c.what;
    EXPECT_EQ(b.GetColor(1, 3), D) << c.what;  // only the image rows
  }
}

TEST(ScanCornerRuns, RunsPerRowAndCornerShiftedToTheWindowEdge) {
  // Two 8-wide states, 4 high; corners 3 wide, top 2 rows, bottom 1 row.
  SkinContents c;
  c.MasterBitmap = test::NumberedMaster(16, 4);
  for (PixelPoint p : {PixelPoint{0, 0}, {1, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0},
                       {2, 1}, {3, 1}, {5, 1}, {7, 1}, {0, 3}, {7, 3}})
    c.MasterBitmap.SetColor(p.X, p.Y, KeyColor);
  c.Masks.push_back(test::Entry("F", "BORDERSMASK", {0, 0, 16, 4}, 2, 0, 3, 2, 3, 1));
  auto model = test::ModelOf(std::move(c));
  std::vector<PixelRect> runs;
  ScanCornerRuns(runs, 100, *model->Mask(0), false, 10);
  // (3, 1) lies between the corners and (8, 0) in the next state: not scanned.
  const std::vector<PixelRect> top = {{0, 10, 2, 11},  {97, 10, 100, 11}, {2, 11, 3, 12},
                                      {97, 11, 98, 12}, {99, 11, 100, 12}};
  EXPECT_EQ(runs, top);
  runs.clear();
  ScanCornerRuns(runs, 100, *model->Mask(0), true, 40);
  const std::vector<PixelRect> bottom = {{0, 40, 1, 41}, {99, 40, 100, 41}};
  EXPECT_EQ(runs, bottom);
}

}  // namespace
}  // namespace folvane
