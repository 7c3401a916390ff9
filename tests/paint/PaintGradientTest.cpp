#include "paint/PaintGradient.h"

#include <gtest/gtest.h>

#include "paint/PaintTestSupport.h"
#include "paint/RecordingPaintPlatform.h"

namespace folvane {
namespace {

using test::Filled;

constexpr TColor Grey(int v) { return static_cast<TColor>(v) * 0x010101u; }

TEST(PaintGradient, VerticalSegmentsShareTheirBoundaryRow) {
  // A to B over 50 %, then B to C with percent 0 on 101 rows: rows 0-50 run
  // A -> B, rows 50-100 B -> C, row 50 shows B.
  PixelBuffer b = Filled(3, 101, 0x123456);
  PaintGradient(b, {0, 0, 3, 101}, {{Grey(0), Grey(100), 50, 0}, {Grey(100), Grey(200), 0, 0}});
  const struct { int row, grey; } rows[] = {{0, 0}, {25, 50}, {49, 98}, {50, 100},
                                            {51, 102}, {75, 150}, {100, 200}};
  for (const auto& r : rows) {
    EXPECT_EQ(b.GetColor(0, r.row), Grey(r.grey)) << r.row;
    EXPECT_EQ(b.GetColor(2, r.row), Grey(r.grey)) << r.row;
  }
}

TEST(PaintGradient, HorizontalLastSegmentReachesTheRightEdge) {
  PixelBuffer b = Filled(12, 3, 0x123456);
  // Percentages add up to 60, yet columns 1-4 run A -> B and 4-10 B -> C.
  PaintGradient(b, {1, 0, 11, 2},
                {{Grey(0), Grey(90), 30, 1}, {Grey(90), Grey(150), 30, 1}});
  EXPECT_EQ(b.GetColor(1, 0), Grey(0));
  EXPECT_EQ(b.GetColor(4, 1), Grey(90));
  EXPECT_EQ(b.GetColor(10, 0), Grey(150));
  EXPECT_EQ(b.GetColor(7, 1), Grey(120));
  EXPECT_EQ(b.GetColor(11, 0), 0x123456u);  // right is exclusive
  EXPECT_EQ(b.GetColor(4, 2), 0x123456u);
}

TEST(PaintGradient, FourTrianglesFromTheCentreThroughThePlatform) {
  test::RecordingPaintPlatform platform;
  PixelBuffer b = Filled(20, 20, 0);
  PaintGradient(b, {2, 4, 12, 10}, {{0x0000FF, 0x00FF00, 100, 2}}, platform);
  PaintGradient(b, {0, 0, 40, 40}, {{0x0000FF, 0, 0, 2}, {0x00FF00, 0, 0, 0}}, platform);
  ASSERT_EQ(platform.triangles.size(), 2u);
  const auto& one = platform.triangles[0];
  ASSERT_EQ(one.vertices.size(), 5u);
  const PixelPoint at[] = {{2, 4}, {7, 7}, {12, 4}, {12, 10}, {2, 10}};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(one.vertices[k].X, at[k].X);
    EXPECT_EQ(one.vertices[k].Y, at[k].Y);
    EXPECT_EQ(one.vertices[k].Color, 0x0000FFu);  // one segment: all Color1
  }
  ASSERT_EQ(one.triangles.size(), 4u);
  EXPECT_EQ(one.triangles[3].A, 4);
  EXPECT_EQ(one.triangles[3].C, 3);
  const auto& two = platform.triangles[1];
  EXPECT_EQ(two.vertices[0].Color, 0x0000FFu);
  EXPECT_EQ(two.vertices[1].Color, 0x00FF00u);
  EXPECT_EQ(two.vertices[4].Color, 0x00FF00u);
  EXPECT_EQ(two.vertices[3].X, 20);  // clamped to the bitmap
}

TEST(PaintGradient, EmptyOrUnknownGradientsPaintNothing) {
  PixelBuffer b = Filled(4, 4, 0x123456);
  PaintGradient(b, {0, 0, 4, 4}, {});
  PaintGradient(b, {0, 0, 4, 4}, {{0, 0, 100, 3}});
  PaintGradient(b, {9, 9, 20, 20}, {{0, 0, 100, 0}});
  EXPECT_TRUE(test::SamePixels(b, Filled(4, 4, 0x123456)));
}

}  // namespace
}  // namespace folvane
