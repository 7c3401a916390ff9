#pragma once
// An internal skin kept in the main form (an item of InternalSkins): either
// a packed skin in "Data", or, when "Data" is empty, the skin itself held in
// collections of sections, images and patterns.

#include <string>
#include <vector>

#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

// A picture that is copied with its owner (collections are copied whole
// when InternalSkins is assigned).
struct StoredPicture {
  PixelBuffer Pixels;

  StoredPicture() = default;
  explicit StoredPicture(PixelBuffer pixels) : Pixels(std::move(pixels)) {}
  StoredPicture(const StoredPicture& other) : Pixels(other.Pixels.Clone()) {}
  StoredPicture& operator=(const StoredPicture& other) {
    if (this != &other) Pixels = other.Pixels.Clone();
    return *this;
  }
  StoredPicture(StoredPicture&&) noexcept = default;
  StoredPicture& operator=(StoredPicture&&) noexcept = default;
};

// A section record as the form stores it. FontColor and HotFontColor are
// texts of five numbers separated by blanks: the colour, then the left,
// top, right and bottom contour colours.
struct TsSkinGeneral {
  std::string SectionName;
  std::string ParentClass;
  TColor Color = 0xFFFFFF;
  int Bevel = 0;
  std::string FontColor;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  int ShadowBlur = 6;
  TColor ShadowColor = 0;
  bool ShadowEnabled = false;
  int ShadowOffset = 3;
  int ShadowTransparency = 50;
  int Transparency = 0;
  int GradientPercent = 0;
  std::string GradientData;
  int ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int FadingIntervalIn = 5;
  int FadingIntervalOut = 5;
  int FadingIterations = 5;
  TColor HotColor = 0xFFFFFF;
  std::string HotFontColor;
  int HotTransparency = 0;
  int HotBevel = 0;
  int HotGradientPercent = 0;
  std::string HotGradientData;
  int HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
};

struct TsSkinImage {
  std::string Name;  // not empty: Image is the entry's own picture
  StoredPicture Image;
  std::string SectionName;
  std::string PropertyName;
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int ImageCount = 0;
  int MaskType = 0;
  int BorderWidth = 0;
  int StretchMode = 0;
  TvtImgType ImgType = itisaBorder;
  int WL = 0;
  int WT = 0;
  int WR = 0;
  int WB = 0;
};

struct TsSkinPattern {
  std::string Name;
  StoredPicture Image;
  std::string SectionName;
  std::string PropertyName;
};

struct TsStoredSkin {
  std::u16string Name;
  std::vector<TsSkinGeneral> GeneralData;
  std::vector<TsSkinImage> Images;
  std::vector<TsSkinPattern> Patterns;
  StoredPicture MasterBitmap;
  TColor Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  TColor BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author;
  std::string Description;
  std::vector<std::uint8_t> Data;  // a packed skin, or empty
};
using TsStoredSkins = std::vector<TsStoredSkin>;

}  // namespace folvane
