#include "paint/DisabledLook.h"

#include <gtest/gtest.h>

#include "paint/PaintColor.h"
#include "paint/PaintTestSupport.h"

namespace folvane {
namespace {

using test::Filled;

constexpr TColor Grey(int v) { return static_cast<TColor>(v) * 0x010101u; }

TEST(MakeGrey, AveragesWithTruncationAndCanSpareTheKey) {
  PixelBuffer b = Filled(2, 1, RgbColor(31, 20, 10));  // 61 / 3 = 20.33
  b.SetColor(1, 0, KeyColor);
  MakeGreyExceptKey(b, KeyColor);
  EXPECT_EQ(b.GetColor(0, 0), Grey(20));
  EXPECT_EQ(b.GetColor(1, 0), KeyColor);
  MakeGrey(b);
  EXPECT_EQ(b.GetColor(1, 0), Grey(170));
}

TEST(ApplyDisabledLook, TableOfKindsAndBackgrounds) {
  // Image 2 x 2 of grey 200 except (1, 0), a colour whose grey is 200 too.
  // The bitmap background is 0 except at (1, 1), which must land on image
  // (0, 0) through the offset plus the point.
  const TColor tint = RgbColor(230, 200, 170);
  PixelBuffer background = Filled(4, 4, Grey(0));
  background.SetColor(1, 1, Grey(100));
  const TColor controlColor = Grey(50);
  const struct {
    const char* what;
    TsDisabledKind kind;
    BackgroundInfo bg;
    PixelPoint at;
    TColor p00, p10, p11;
  } cases[] = {
      // The image keeps 40 %: 100 - 0.4 * (100 - 200) = 140; 0.4 * 200 = 80.
      {"blended over a bitmap", dkBlended, BitmapBackground(background, 1, 0), {0, 1},
       Grey(140), RgbColor(92, 80, 68), Grey(80)},
      {"blended over a colour: half each", dkBlended, ColorBackground(Grey(100)), {},
       Grey(150), RgbColor(165, 150, 135), Grey(150)},
      {"unresolved background: the control's colour", dkBlended, ColorBackground(KeyColor),
       {}, Grey(125), RgbColor(140, 125, 110), Grey(125)},
      {"grey only", dkGrayed, ColorBackground(Grey(100)), {}, Grey(200), Grey(200), Grey(200)},
      {"grey, then blended", dkGrayed | dkBlended, ColorBackground(Grey(100)), {}, Grey(150),
       Grey(150), Grey(150)},
      {"area off the background", dkBlended, BitmapBackground(background, 100, 0), {},
       Grey(200), tint, Grey(200)},
      {"bitmap flag without bitmap", dkBlended, {nullptr, 0, 0, 0, true}, {}, Grey(200), tint,
       Grey(200)},
      {"neither", 0, ColorBackground(0), {}, Grey(200), tint, Grey(200)},
  };
  for (const auto& c : cases) {
    PixelBuffer image = Filled(2, 2, Grey(200));
    image.SetColor(1, 0, tint);
    ApplyDisabledLook(image, c.kind, controlColor, c.at, c.bg);
    EXPECT_EQ(image.GetColor(0, 0), c.p00) << c.what;
    EXPECT_EQ(image.GetColor(1, 0), c.p10) << c.what;
    EXPECT_EQ(image.GetColor(1, 1), c.p11) << c.what;
  }
}

}  // namespace
}  // namespace folvane
