// Hue and saturation shifts, and what recolouring leaves alone.

#include <gtest/gtest.h>

#include "skin/ColorShift.h"
#include "skin/Recolor.h"

namespace folvane {
namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }

TEST(Recolor, SaturationShift) {
  const std::pair<int, int> cases[] = {{150, -49}, {-30, 30}, {0, 0},     {100, -100},
                                       {101, 0},   {-202, 0}, {-250, 48}, {INT32_MIN, 34}};
  for (const auto& c : cases) EXPECT_EQ(SaturationShift(c.first), c.second) << c.first;
}

TEST(Recolor, ShiftHue) {
  struct Case {
    TColor color;
    int degrees;
    TColor result;
  } cases[] = {
      {Rgb(255, 0, 0), 120, Rgb(0, 255, 0)},
      {Rgb(255, 0, 0), -120, Rgb(0, 0, 255)},   // negative offsets wrap into 0 ... 359
      {Rgb(255, 0, 0), -480, Rgb(0, 0, 255)},
      {Rgb(255, 0, 0), 360, Rgb(255, 0, 0)},
      {Rgb(0, 0, 255), 3600, Rgb(0, 0, 255)},
      {Rgb(200, 100, 50), 0, Rgb(200, 100, 50)},
      {Rgb(128, 128, 128), 90, Rgb(128, 128, 128)},  // greys have no hue
      {Rgb(0, 0, 0), 90, Rgb(0, 0, 0)},
      {Rgb(255, 128, 0), 60, Rgb(128, 255, 0)},  // 127.5 rounds to even
      {Rgb(255, 0, 0), INT32_MIN, ShiftHue(Rgb(255, 0, 0), INT32_MIN % 360)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShiftHue(c.color, c.degrees), c.result) << std::hex << c.color << " " << std::dec
                                                      << c.degrees;
}

TEST(Recolor, ShiftSaturation) {
  struct Case {
    TColor color;
    int k;
    TColor result;
  } cases[] = {
      {Rgb(30, 60, 90), 0, Rgb(30, 60, 90)},
      {Rgb(30, 60, 90), 100, Rgb(60, 60, 60)},  // the channel mean
      {Rgb(30, 60, 90), 50, Rgb(45, 60, 75)},
      {Rgb(30, 60, 90), -100, Rgb(0, 60, 120)},
      {Rgb(10, 128, 250), -100, Rgb(0, 127, 255)},  // clamped at both ends
      {Rgb(10, 128, 250), INT32_MIN, Rgb(0, 0, 255)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShiftSaturation(c.color, c.k), c.result) << std::hex << c.color << " " << std::dec
                                                       << c.k;
}

TEST(Recolor, WhatRecolouringTouches) {
  SkinContents skin;
  skin.MasterBitmap = PixelBuffer(4, 2, PixelFormat::Bgr24);
  skin.MasterBitmap.Fill(Rgb(255, 0, 0));
  skin.MasterBitmap.SetColor(0, 0, kKeyColor);
  skin.MasterBitmap.SetColor(1, 0, Rgb(77, 77, 77));
  TsGeneralData s;
  s.Color = Rgb(255, 0, 0);
  s.HotColor = 0xFF00000F;  // a system colour is no RGB value
  s.TCLeft = kNoContourColor;
  s.TCTop = Rgb(0, 255, 0);
  s.GradientArray.push_back({Rgb(255, 0, 0), Rgb(0, 0, 255), 50, 0});
  skin.Sections.push_back(s);
  skin.SkinData.BorderColor = Rgb(0, 255, 0);
  skin.SkinData.Shadow1Color = 0x1FFFFFFF;

  SkinContents untouched;
  untouched.Sections.push_back(s);
  Recolor(untouched, 0, 0);
  EXPECT_EQ(untouched.Sections[0].Color, s.Color) << "0 and 0 change nothing";

  Recolor(skin, 120, 0);
  EXPECT_EQ(skin.MasterBitmap.GetColor(0, 0), kKeyColor);
  EXPECT_EQ(skin.MasterBitmap.GetColor(1, 0), Rgb(77, 77, 77));
  EXPECT_EQ(skin.MasterBitmap.GetColor(2, 0), Rgb(0, 255, 0));
  EXPECT_EQ(skin.MasterBitmap.GetColor(3, 1), Rgb(0, 255, 0));
  const TsGeneralData& r = skin.Sections[0];
  EXPECT_EQ(r.Color, Rgb(0, 255, 0));
  EXPECT_EQ(r.HotColor, 0xFF00000Fu);
  EXPECT_EQ(r.TCLeft, kNoContourColor);
  EXPECT_EQ(r.TCTop, Rgb(0, 0, 255));
  EXPECT_EQ(r.GradientArray[0].Color1, Rgb(0, 255, 0));
  EXPECT_EQ(r.GradientArray[0].Color2, Rgb(255, 0, 0));
  EXPECT_EQ(skin.SkinData.BorderColor, Rgb(0, 0, 255));
  EXPECT_EQ(skin.SkinData.Shadow1Color, 0x1FFFFFFFu);
}

}  // namespace
}  // namespace folvane
