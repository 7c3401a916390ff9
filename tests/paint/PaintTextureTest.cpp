#include "paint/PaintTexture.h"

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

constexpr TColor D = 0x0D0D0D;
constexpr PixelRect kRect{1, 1, 9, 8};  // 8 x 7 in a 12 x 10 bitmap

// A 3 x 2 texture tile at (2, 3); a masked 3 x 2 tile at (20, 0) whose
// black mask (the image shows exactly) lies in rows 2-3, with a key pixel.
class Textures : public testing::Test {
 protected:
  Textures() {
    SkinContents c;
    c.MasterBitmap = test::NumberedMaster(40, 20);
    for (int x = 20; x < 23; ++x)
      for (int y = 2; y < 4; ++y) c.MasterBitmap.SetColor(x, y, 0x000000);
    c.MasterBitmap.SetColor(21, 0, KeyColor);
    c.Masks.push_back(Entry("S", "PATTERN", {2, 3, 5, 5}, 1, 0, 0, 0, 0, 0, 0, itisaTexture));
    c.Masks.push_back(Entry("S", "HOTPATTERN", {20, 0, 23, 4}, 1, 1, 0, 0, 0, 0, 0, itisaTexture));
    model = test::ModelOf(std::move(c));
  }
  const TsMaskData& Tile() const { return *model->Mask(0); }
  const TsMaskData& MaskedTile() const { return *model->Mask(1); }
  std::unique_ptr<SkinModel> model;
};

TEST_F(Textures, TiledModesCoverWhatTheySayAndReportTheRest) {
  const struct {
    int mode;
    PixelRect uncovered;
    PixelPoint painted, unpainted;
    TColor paintedColor;
  } cases[] = {
      {0, kNothingUncovered, {8, 7}, {9, 1}, Src(3, 3)},
      {2, {1, 3, 9, 8}, {1, 2}, {1, 3}, Src(2, 4)},      // taller than the tile
      {3, {4, 1, 9, 8}, {3, 7}, {4, 1}, Src(4, 3)},
      {6, {1, 1, 9, 6}, {1, 6}, {1, 5}, Src(2, 3)},
      {7, {1, 1, 6, 8}, {6, 1}, {5, 1}, Src(2, 3)},
      {10, kNothingUncovered, {8, 6}, {1, 7}, Src(3, 4)},  // no cut row
      {9, kRect, {0, 0}, {1, 1}, D},                        // no such mode
  };
  for (const auto& c : cases) {
    PixelBuffer b = Filled(12, 10, D);
    EXPECT_EQ(PaintTexture(b, kRect, nullptr, c.mode, &Tile()), c.uncovered) << c.mode;
    EXPECT_EQ(b.GetColor(c.painted.X, c.painted.Y), c.paintedColor) << c.mode;
    EXPECT_EQ(b.GetColor(c.unpainted.X, c.unpainted.Y), D) << c.mode;
  }
}

TEST_F(Textures, StretchingModesAskThePlatformAndStayInsideTheRectangle) {
  const struct { int mode; PixelRect dest, uncovered; } cases[] = {
      {1, {1, 1, 9, 8}, kNothingUncovered},
      {4, {1, 1, 9, 3}, {1, 3, 9, 8}},
      {5, {1, 1, 4, 8}, {4, 1, 9, 8}}};
  for (const auto& c : cases) {
    test::RecordingPaintPlatform platform;
    PixelBuffer b = Filled(12, 10, D);
    EXPECT_EQ(PaintTexture(b, kRect, nullptr, c.mode, &Tile(), platform), c.uncovered);
    ASSERT_EQ(platform.stretches.size(), 1u) << c.mode;
    EXPECT_EQ(platform.stretches[0].dest, c.dest) << c.mode;
    EXPECT_EQ(platform.stretches[0].source, (PixelRect{2, 3, 5, 5})) << c.mode;
  }
  // Mode 4 on a rectangle lower than the tile: stretched aside, then only
  // the rectangle's row is copied.
  test::RecordingPaintPlatform platform;
  PixelBuffer b = Filled(12, 10, D);
  PaintTexture(b, {1, 1, 9, 2}, nullptr, 4, &Tile(), platform);
  ASSERT_EQ(platform.stretches.size(), 1u);
  EXPECT_EQ(platform.stretches[0].dest, (PixelRect{0, 0, 8, 2}));
  EXPECT_EQ(b.GetColor(1, 1), 0x00FF00u);
  EXPECT_EQ(b.GetColor(1, 2), D);
}

TEST_F(Textures, PicturePatternsAreDrawnWholeInAGridClippedToTheRectangle) {
  TsPatternData pattern;
  pattern.Image = Filled(3, 2, 0x445566);
  test::RecordingPaintPlatform platform;
  PixelBuffer b = Filled(12, 10, D);
  EXPECT_EQ(PaintTexture(b, kRect, &pattern, 7, &Tile(), platform), kNothingUncovered);
  ASSERT_EQ(platform.grids.size(), 1u);
  EXPECT_EQ(platform.grids[0].clip, kRect);
  EXPECT_EQ(platform.grids[0].origin.X, 1);
  EXPECT_EQ(platform.grids[0].columns, 8 / 3 + 1);
  EXPECT_EQ(platform.grids[0].rows, 7 / 2 + 1);
}

TEST_F(Textures, MaskedModeZeroTilesThroughTheMaskKeyShowsTheBackground) {
  PixelBuffer parent = test::NumberedMaster(20, 20);
  const struct { const char* what; BackgroundInfo bg; TColor key; } cases[] = {
      {"bitmap", BitmapBackground(parent, 0, 1), Src(2, 2)},
      {"colour", ColorBackground(0x123456), 0x123456},
      {"unresolved colour", ColorBackground(KeyColor), D}};
  for (const auto& c : cases) {
    PixelBuffer b = Filled(12, 10, D);
    EXPECT_EQ(PaintMaskedTexture(b, kRect, c.bg, 0, MaskedTile()), kNothingUncovered);
    EXPECT_EQ(b.GetColor(1, 1), Src(20, 0)) << c.what;
    EXPECT_EQ(b.GetColor(2, 1), c.key) << c.what;  // the key pixel
    EXPECT_EQ(b.GetColor(8, 6), Src(21, 1)) << c.what;  // a cut tile
  }
}

TEST_F(Textures, MaskedModeTenLaysWholeTilesAndShowsTheBackgroundBeside) {
  PixelBuffer parent = test::NumberedMaster(20, 20);
  PixelBuffer b = Filled(12, 10, D);
  // 8 x 7: two whole columns (x 1-6) and three whole rows (y 1-6).
  PaintMaskedTexture(b, kRect, BitmapBackground(parent), 10, MaskedTile());
  EXPECT_EQ(b.GetColor(6, 6), Src(22, 1));
  EXPECT_EQ(b.GetColor(7, 1), Src(7, 1));
  EXPECT_EQ(b.GetColor(8, 7), Src(8, 7));
  EXPECT_EQ(b.GetColor(1, 7), Src(1, 7));
  EXPECT_EQ(b.GetColor(9, 1), D);
  PixelBuffer c = Filled(12, 10, D);
  PaintMaskedTexture(c, kRect, ColorBackground(0x123456), 10, MaskedTile());
  EXPECT_EQ(c.GetColor(7, 1), 0x123456u);
  PixelBuffer d = Filled(12, 10, D);
  EXPECT_EQ(PaintMaskedTexture(d, kRect, ColorBackground(0), 3, MaskedTile()), kRect);
  EXPECT_TRUE(test::SamePixels(d, Filled(12, 10, D)));
}

TEST_F(Textures, HugeRectanglesAndEmptyTilesFinishAndStayInside) {
  PixelBuffer b = Filled(12, 10, D);
  const PixelRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  for (int mode : {0, 2, 3, 6, 7, 10}) PaintTexture(b, huge, nullptr, mode, &Tile());
  PaintMaskedTexture(b, huge, ColorBackground(0), 0, MaskedTile());
  PaintMaskedTexture(b, huge, ColorBackground(0), 10, MaskedTile());
  TsMaskData empty = Entry("S", "X", {2, 3, 2, 5}, 1, 0, 0, 0, 0, 0);
  empty.Manager = model.get();
  PixelBuffer c = Filled(12, 10, D);
  EXPECT_EQ(PaintTexture(c, kRect, nullptr, 0, &empty), kRect);
  EXPECT_EQ(PaintTexture(c, kRect, nullptr, 0, nullptr), kRect);
  EXPECT_TRUE(test::SamePixels(c, Filled(12, 10, D)));
}

}  // namespace
}  // namespace folvane
