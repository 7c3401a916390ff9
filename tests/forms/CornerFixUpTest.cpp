// The corners of an adapter's image show what lies behind the window where
// the frame mask is key-coloured, in the frame of the state painted.
#include <gtest/gtest.h>

#include "paint/PixelGeometry.h"
#include "paint/SkinFixture.h"
#include "forms/CornerFixUp.h"

namespace folvane {
namespace {

using test::Entry;
using test::ModelOf;
using test::NumberedMaster;
using test::Src;

constexpr TColor kFace = 0x111111;

// A 2-pixel border in two state images of 6 x 6 side by side.
std::unique_ptr<SkinModel> BorderModel() {
  SkinContents contents;
  contents.MasterBitmap = NumberedMaster(12, 6);
  contents.MasterBitmap.SetColor(0, 0, KeyColor);  // state 0, top-left
  contents.MasterBitmap.SetColor(5, 5, KeyColor);  // state 0, bottom-right
  contents.MasterBitmap.SetColor(7, 0, KeyColor);  // state 1, top-left, one in
  contents.MasterBitmap.SetColor(2, 2, KeyColor);  // state 0 middle: not a corner
  contents.Sections = {test::Section("EDIT", 0xFFFFFF)};
  contents.Masks.push_back(Entry("EDIT", "BORDERSMASK", {0, 0, 12, 6}, 2, 0, 2, 2, 2, 2));
  return ModelOf(std::move(contents));
}

PixelBuffer Face(int w, int h) {
  PixelBuffer image(w, h, PixelFormat::Bgr24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.SetColor(x, y, kFace);
  return image;
}

int ChangedPixels(const PixelBuffer& image) {
  int n = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) n += image.GetColor(x, y) != kFace;
  return n;
}

TEST(CornerFixUp, KeyPixelsTakeTheBitmapBehindInTheStateFrame) {
  const auto model = BorderModel();
  const PixelBuffer behind = NumberedMaster(20, 20);
  PixelBuffer image = Face(10, 8);
  FixUpCorners(image, *model, 0, 0, BitmapBackground(behind, 3, 4));
  EXPECT_EQ(image.GetColor(0, 0), Src(3, 4));
  EXPECT_EQ(image.GetColor(9, 7), Src(12, 11));
  EXPECT_EQ(ChangedPixels(image), 2);

  PixelBuffer hot = Face(10, 8);
  FixUpCorners(hot, *model, 0, 1, BitmapBackground(behind, 3, 4));
  EXPECT_EQ(hot.GetColor(1, 0), Src(4, 4));
  EXPECT_EQ(ChangedPixels(hot), 1);
}

TEST(CornerFixUp, ColourBehindAndDegenerateCases) {
  const auto model = BorderModel();
  PixelBuffer image = Face(10, 8);
  FixUpCorners(image, *model, 0, 0, ColorBackground(0x00AA00));
  EXPECT_EQ(image.GetColor(0, 0), 0x00AA00u);
  EXPECT_EQ(image.GetColor(9, 7), 0x00AA00u);

  // Behind pixels outside the background leave the face; tiny images,
  // missing masks and out-of-range states paint nothing or clamp.
  PixelBuffer outside = Face(10, 8);
  const PixelBuffer small = NumberedMaster(4, 4);
  FixUpCorners(outside, *model, 0, 0, BitmapBackground(small, 0, 0));
  EXPECT_EQ(outside.GetColor(0, 0), Src(0, 0));
  EXPECT_EQ(outside.GetColor(9, 7), kFace);
  PixelBuffer one = Face(1, 1);
  FixUpCorners(one, *model, 0, 0, ColorBackground(0));
  EXPECT_EQ(one.GetColor(0, 0), kFace);
  PixelBuffer none = Face(10, 8);
  FixUpCorners(none, *model, -1, 0, ColorBackground(0));
  FixUpCorners(none, *model, 7, 0, ColorBackground(0));
  EXPECT_EQ(ChangedPixels(none), 0);
  PixelBuffer clamped = Face(10, 8);
  FixUpCorners(clamped, *model, 0, 9, ColorBackground(0));
  EXPECT_EQ(clamped.GetColor(1, 0), 0u);
}

}  // namespace
}  // namespace folvane
