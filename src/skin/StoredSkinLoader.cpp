#include "skin/StoredSkinLoader.h"

#include <array>

#include "skin/Gradient.h"
#include "skin/ImageReference.h"
#include "skin/NumberText.h"
#include "skin/SectionLoader.h"
#include "skin/SkinSources.h"
#include "skin/SkinText.h"

namespace folvane {

void LoadStoredSkinData(const TsStoredSkin& s, TsSkinData& data) {
  data.Version = s.Version;
  data.Author = s.Author;
  data.Description = s.Description;
  data.Shadow1Color = s.Shadow1Color;
  data.Shadow1Offset = s.Shadow1Offset;
  data.Shadow1Blur = s.Shadow1Blur;
  data.Shadow1Transparency = s.Shadow1Transparency;
  data.BorderColor = s.BorderColor;
}

namespace {

// "colour left top right bottom": exactly five numbers, else colour 0 and
// no contours.
std::array<TColor, 5> FontColors(const std::string& text) {
  const auto words = SplitWords(text, " ");
  std::array<TColor, 5> colors{0, kNoContourColor, kNoContourColor,
                               kNoContourColor, kNoContourColor};
  if (words.size() != 5) return colors;
  std::array<TColor, 5> parsed{};
  for (std::size_t i = 0; i < 5; ++i) {
    const auto value = ParseInteger(words[i]);
    if (!value) return colors;
    parsed[i] = static_cast<TColor>(*value);
  }
  return parsed;
}

void CopyFields(const TsSkinGeneral& g, TsGeneralData& r) {
  r.SectionName = g.SectionName;
  r.ParentClass = g.ParentClass;
  r.Color = g.Color;
  r.Bevel = BevelFromInteger(g.Bevel);
  r.GiveOwnFont = g.GiveOwnFont;
  r.ReservedBoolean = g.ReservedBoolean;
  r.ShadowBlur = g.ShadowBlur;
  r.ShadowColor = g.ShadowColor;
  r.ShadowEnabled = g.ShadowEnabled;
  r.ShadowOffset = g.ShadowOffset;
  r.ShadowTransparency = g.ShadowTransparency;
  r.Transparency = g.Transparency;
  r.GradientPercent = g.GradientPercent;
  r.GradientData = g.GradientData;
  r.ImagePercent = g.ImagePercent;
  r.ShowFocus = g.ShowFocus;
  r.FadingEnabled = g.FadingEnabled;
  r.FadingIntervalIn = g.FadingIntervalIn;
  r.FadingIntervalOut = g.FadingIntervalOut;
  r.FadingIterations = g.FadingIterations;
  r.HotColor = g.HotColor;
  r.HotTransparency = g.HotTransparency;
  r.HotBevel = BevelFromInteger(g.HotBevel);
  r.HotGradientPercent = g.HotGradientPercent;
  r.HotGradientData = g.HotGradientData;
  r.HotImagePercent = g.HotImagePercent;
  r.BorderColor1 = g.BorderColor1;
  r.BorderColor2 = g.BorderColor2;
}

void CopyFontColors(const TsSkinGeneral& g, TsGeneralData& r) {
  const auto normal = FontColors(g.FontColor);
  r.FontColor = normal[0];
  r.TCLeft = normal[1];
  r.TCTop = normal[2];
  r.TCRight = normal[3];
  r.TCBottom = normal[4];
  const auto hot = FontColors(g.HotFontColor);
  r.HotFontColor = hot[0];
  r.HotTCLeft = hot[1];
  r.HotTCTop = hot[2];
  r.HotTCRight = hot[3];
  r.HotTCBottom = hot[4];
}

void ParseStoredGradients(TsGeneralData& r, LoadReport* report) {
  // Collections always hold real gradient texts: an empty one is no
  // gradient, and nothing is skipped as the one-blank "none".
  r.GradientArray.clear();
  r.HotGradientArray.clear();
  try {
    r.GradientArray = ParseGradient(r.GradientData);
    r.HotGradientArray = ParseGradient(r.HotGradientData);
  } catch (const std::exception& e) {
    ReportQuietFault(report, r.SectionName, "GRADIENTDATA", e.what());
  }
}

}  // namespace

TsGeneralDataArray LoadStoredSections(const TsStoredSkin& stored, LoadReport* report) {
  TsGeneralDataArray records;
  records.reserve(stored.GeneralData.size());
  for (const TsSkinGeneral& item : stored.GeneralData) {
    records.emplace_back();
    TsGeneralData& r = records.back();
    CopyFields(item, r);
    CopyFontColors(item, r);
    ClampSectionRanges(r);
    ParseStoredGradients(r, report);
  }
  return records;
}

namespace {

TsMaskData StoredMask(const TsSkinImage& item) {
  TsMaskData m;
  if (!item.Name.empty()) {
    m.Image = To24Bits(item.Image.Pixels);
    m.Right = m.Image.Width();
    m.Bottom = m.Image.Height();
  } else {
    m.Left = item.Left;
    m.Top = item.Top;
    m.Right = item.Right;
    m.Bottom = item.Bottom;
  }
  m.SectionName = ToUpperAscii(item.SectionName);
  m.PropertyName = ToUpperAscii(item.PropertyName);
  m.ImageCount = item.ImageCount;
  m.MaskType = item.MaskType;
  if (m.ImageCount == 0) {
    m.ImageCount = 3;
    m.MaskType = 1;
  }
  m.BorderWidth = item.BorderWidth;
  m.WL = item.WL;
  m.WT = item.WT;
  m.WR = item.WR;
  m.WB = item.WB;
  if (m.PropertyName == "PATTERN" || m.PropertyName == "HOTPATTERN") {
    m.ImgType = itisaTexture;
    m.StretchMode = item.ImgType == itisaTexture ? item.StretchMode : 0;
  } else {
    m.ImgType = item.ImgType;
    m.StretchMode = item.StretchMode;
  }
  ApplyDefaultWidths(m);
  return m;
}

}  // namespace

void LoadStoredMasks(const TsStoredSkin& stored, SkinContents& skin, LoadReport* report) {
  skin.MasterBitmap = To24Bits(stored.MasterBitmap.Pixels);
  for (const TsSkinImage& item : stored.Images)
    ForKey(report, item.SectionName, item.PropertyName,
           [&] { skin.Masks.push_back(StoredMask(item)); });
}

void LoadStoredPatterns(const TsStoredSkin& stored, SkinContents& skin) {
  const auto& items = stored.Patterns;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const PixelBuffer* picture = &items[i].Image.Pixels;
    for (std::size_t j = 0; picture->Empty() && j < items.size(); ++j)
      if (j != i && items[j].Name == items[i].Name && !items[j].Image.Pixels.Empty())
        picture = &items[j].Image.Pixels;
    skin.Patterns.push_back(TsPatternData{picture->Clone(),
                                          items[i].SectionName, items[i].PropertyName});
  }
}

}  // namespace folvane
