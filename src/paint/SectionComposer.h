#pragma once
// What section painting and scroll-bar section painting share: the values
// one state paints with, the texture it shows, and the composition of
// texture, gradient and colour over what lies behind. Internal to
// src/paint.

#include <cstdint>
#include <string_view>

#include "paint/BackgroundInfo.h"
#include "paint/PaintPlatform.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

class SkinModel;

// The values of a section that one state paints with.
struct SectionLook {
  TColor Color = 0;
  int Transparency = 0;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsGradArray* Gradient = nullptr;
  const char* PatternName = "PATTERN";
  int GivenTexture = -1;
};

// State 0 takes the normal values, any other state the Hot ones; a fully
// transparent state shows no texture and no gradient. A custom colour
// other than KeyColor is a flat fill of that colour.
SectionLook LookOf(const TsGeneralData& section, TColor customColor, int state, int hotTexture,
                   int texture);

struct SectionTexture {
  const TsMaskData* Mask = nullptr;
  const TsPatternData* Pattern = nullptr;
  bool Found() const { return Mask || Pattern; }
};

// `background` seen from a bitmap in which the painted area's origin lies
// at (left, top), that origin lying at (originX, originY) of the
// background bitmap.
BackgroundInfo SeenFrom(const BackgroundInfo& background, std::int64_t originX,
                        std::int64_t originY, int left, int top);

// Fills `area` (clipped) with the converted colour.
void FillArea(PixelBuffer& bitmap, const PixelRect& area, TColor color);

// True for a non-empty rectangle wholly inside the bitmap.
bool InsideBitmap(const PixelRect& r, const PixelBuffer& b);

// A percentage as the destination share of the constant blend.
int ShareFactor(int percent);

class SectionComposer {
 public:
  // (originX, originY): where the painted rectangle's origin lies inside
  // the background bitmap.
  SectionComposer(const SectionLook& look, const SectionTexture& texture,
                  const BackgroundInfo& background, std::int64_t originX, std::int64_t originY,
                  PaintPlatform& platform)
      : look_(look), texture_(texture), background_(background), originX_(originX),
        originY_(originY), platform_(platform) {}

  // Texture, gradient and colour into `area` of `target`. When neither a
  // texture nor a gradient has a share, `emptyFill` covers the area.
  void Content(PixelBuffer& target, const PixelRect& area, TColor emptyFill) const;

  // What lies behind, into `area` of `bitmap`: the background colour, or
  // the background bitmap's pixels unless `bitmap` is that very bitmap.
  void Behind(PixelBuffer& bitmap, const PixelRect& area) const;

  // The content blended over what lies behind: the transparency is the
  // background's share.
  void ContentOverBehind(PixelBuffer& bitmap, const PixelRect& rect, TColor emptyFill) const;

  BackgroundInfo BackgroundFor(const PixelRect& area) const {
    return SeenFrom(background_, originX_, originY_, area.Left, area.Top);
  }

 private:
  void TextureInto(PixelBuffer& target, const PixelRect& area) const;
  void GradientOrColor(PixelBuffer& target, const PixelRect& area) const;

  const SectionLook& look_;
  const SectionTexture& texture_;
  const BackgroundInfo& background_;
  std::int64_t originX_, originY_;
  PaintPlatform& platform_;
};

}  // namespace folvane
