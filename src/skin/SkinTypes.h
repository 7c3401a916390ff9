#pragma once
// The records of a loaded skin: one TsGeneralData per options-file section
// (its position is the section's SectionIndex), one TsMaskData per image
// reference (MaskIndex), TsPatternData for large JPEG textures, and the
// skin-wide TsSkinData. Indexes are plain ints; -1 means none.

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/PixelBuffer.h"

namespace folvane {

class SkinModel;

constexpr int kNoIndex = -1;
// Text contour colours and the like use -1 for "not drawn".
constexpr TColor kNoContourColor = 0xFFFFFFFFu;
constexpr TColor kKeyColor = 0xFF00FF;

enum TsControlBevel : std::uint8_t {
  cbNone = 0,
  cbRaisedSoft = 1,
  cbLoweredSoft = 2,
  cbRaisedHard = 3,
  cbLoweredHard = 4,
};

enum TvtImgType : std::uint8_t {
  itisaBorder = 0,
  itisaTexture = 1,
  itisaGlyph = 2,
};

// One gradient segment; Percent is 0 ... 100.
struct TsGradSegment {
  TColor Color1 = 0;
  TColor Color2 = 0;
  int Percent = 0;
  int Mode = 0;
};
using TsGradArray = std::vector<TsGradSegment>;

// One options-file section. Percentages are stored clamped to 0 ... 100 and
// bevels to cbNone ... cbLoweredHard.
struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;  // as written in the file
  TColor Color = 0xFFFFFF;  // resolved to RGB when read from an options file
  TsControlBevel Bevel = cbNone;
  TColor FontColor = 0;
  TColor TCLeft = kNoContourColor;
  TColor TCTop = kNoContourColor;
  TColor TCRight = kNoContourColor;
  TColor TCBottom = kNoContourColor;
  TColor HotFontColor = 0;
  TColor HotTCLeft = kNoContourColor;
  TColor HotTCTop = kNoContourColor;
  TColor HotTCRight = kNoContourColor;
  TColor HotTCBottom = kNoContourColor;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  int ShadowBlur = 6;
  TColor ShadowColor = 0;
  bool ShadowEnabled = false;
  int ShadowOffset = 3;
  int ShadowTransparency = 50;
  int Transparency = 0;
  int GradientPercent = 0;
  std::string GradientData = " ";  // one blank: no gradient
  TsGradArray GradientArray;
  int ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int FadingIntervalIn = 5;
  int FadingIntervalOut = 5;
  int FadingIterations = 5;
  TColor HotColor = 0xFFFFFF;  // taken as written, system colours unresolved
  int HotTransparency = 0;
  TsControlBevel HotBevel = cbNone;
  int HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientArray;
  int HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// Skin-wide values of "GLOBALINFO" and the state of the loaded skin.
struct TsSkinData {
  // Folder the skin's files are read from, with a trailing "\"; the skin
  // directory for a packed file; empty for an internal skin.
  std::u16string SkinPath;
  bool Active = false;  // completely loaded and announced
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  TColor BorderColor = 0;
  std::int32_t BISpacing = 0;
  std::int32_t BIVAlign = 0;
};

// One image reference: a rectangle of the master bitmap, or a picture of its
// own (Image not empty). Right and Bottom are exclusive.
struct TsMaskData {
  PixelBuffer Image;  // empty: the rectangle is cut from the master bitmap
  std::string SectionName;
  std::string PropertyName;
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int ImageCount = 0;   // state images side by side
  int MaskType = 0;     // 1: the lower half masks the upper half
  int BorderWidth = 0;
  int StretchMode = 0;
  TvtImgType ImgType = itisaBorder;
  const SkinModel* Manager = nullptr;
  int WL = 0;
  int WT = 0;
  int WR = 0;
  int WB = 0;

  bool HasImage() const { return !Image.Empty(); }
  // Right - Left and Bottom - Top, computed without overflow and clamped to
  // the int range (free-form references may hold any 32-bit numbers).
  int Width() const { return ClampedDifference(Right, Left); }
  int Height() const { return ClampedDifference(Bottom, Top); }

  static int ClampedDifference(int a, int b) {
    const std::int64_t d = static_cast<std::int64_t>(a) - b;
    return d > INT32_MAX ? INT32_MAX : d < INT32_MIN ? INT32_MIN : static_cast<int>(d);
  }
};
using TsMaskArray = std::vector<TsMaskData>;

// One large JPEG texture.
struct TsPatternData {
  PixelBuffer Image;
  std::string SectionName;
  std::string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

}  // namespace folvane
