#include "skin/Recolor.h"

#include <unordered_map>

#include "skin/ColorShift.h"

namespace folvane {

int SaturationShift(int saturation) {
  // C++'s remainder already takes the sign of the dividend.
  return static_cast<int>(-static_cast<long long>(saturation) % 101);
}

TColor RecolorColor(TColor color, int hueOffset, int k) {
  // A system colour or "no colour" is not an RGB value: shifting its bytes
  // would turn it into an unrelated plain colour.
  if ((color & 0xFF000000u) != 0) return color;
  if (hueOffset != 0) color = ShiftHue(color, hueOffset);
  if (k != 0) color = ShiftSaturation(color, k);
  return color;
}

namespace {

bool KeptPixel(TColor c) {
  const TColor r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
  return c == kKeyColor || (r == g && g == b);
}

// The hue pass and the saturation pass each leave key and grey pixels
// alone, so a pixel the first pass turned magenta keeps it.
TColor RecolorPixel(TColor c, int hueOffset, int k) {
  if (hueOffset != 0) c = ShiftHue(c, hueOffset);
  if (k != 0 && !KeptPixel(c)) c = ShiftSaturation(c, k);
  return c;
}

void RecolorPixels(PixelBuffer& picture, int hueOffset, int k) {
  if (picture.Empty()) return;
  // Skins use few distinct colours: remember each answer.
  std::unordered_map<TColor, TColor> done;
  const int bpp = picture.BytesPerPixel();
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint8_t* p = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x, p += bpp) {
      const TColor c = p[2] | p[1] << 8 | static_cast<TColor>(p[0]) << 16;
      if (KeptPixel(c)) continue;
      auto found = done.find(c);
      if (found == done.end())
        found = done.emplace(c, RecolorPixel(c, hueOffset, k)).first;
      p[0] = static_cast<std::uint8_t>(found->second >> 16);
      p[1] = static_cast<std::uint8_t>(found->second >> 8);
      p[2] = static_cast<std::uint8_t>(found->second);
    }
  }
}

void RecolorContour(TColor& c, int hueOffset, int k) {
  if (c != kNoContourColor) c = RecolorColor(c, hueOffset, k);
}

void RecolorSection(TsGeneralData& s, int hueOffset, int k) {
  for (TColor* c : {&s.Color, &s.HotColor, &s.FontColor, &s.HotFontColor})
    *c = RecolorColor(*c, hueOffset, k);
  for (TColor* c : {&s.TCLeft, &s.TCTop, &s.TCRight, &s.TCBottom, &s.HotTCLeft,
                    &s.HotTCTop, &s.HotTCRight, &s.HotTCBottom})
    RecolorContour(*c, hueOffset, k);
  for (TsGradArray* gradient : {&s.GradientArray, &s.HotGradientArray})
    for (TsGradSegment& segment : *gradient) {
      segment.Color1 = RecolorColor(segment.Color1, hueOffset, k);
      segment.Color2 = RecolorColor(segment.Color2, hueOffset, k);
    }
}

}  // namespace

void Recolor(SkinContents& skin, int hueOffset, int saturation) {
  const int k = SaturationShift(saturation);
  if (hueOffset == 0 && k == 0) return;
  RecolorPixels(skin.MasterBitmap, hueOffset, k);
  for (TsMaskData& mask : skin.Masks) RecolorPixels(mask.Image, hueOffset, k);
  for (TsGeneralData& section : skin.Sections) RecolorSection(section, hueOffset, k);
  skin.SkinData.Shadow1Color = RecolorColor(skin.SkinData.Shadow1Color, hueOffset, k);
  skin.SkinData.BorderColor = RecolorColor(skin.SkinData.BorderColor, hueOffset, k);
}

}  // namespace folvane
