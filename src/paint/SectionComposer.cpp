#include "paint/SectionComposer.h"

#include <algorithm>

#include "paint/Blends.h"
#include "paint/MaskPieces.h"
#include "paint/NewBitmap.h"
#include "paint/PaintColor.h"
#include "paint/PaintGradient.h"
#include "paint/PaintTexture.h"

namespace folvane {

namespace {

int Saturate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const PixelRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                    std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? PixelRect{} : r;
}

}  // namespace

SectionLook LookOf(const TsGeneralData& s, TColor customColor, int state, int hotTexture,
                   int texture) {
  SectionLook look;
  if (customColor != KeyColor) {
    look.Color = ConvertColor(customColor);
    return look;
  }
  const bool normal = state == 0;
  look.Color = ConvertColor(normal ? s.Color : s.HotColor);
  look.Transparency = ClampPercent(normal ? s.Transparency : s.HotTransparency);
  look.PatternName = normal ? "PATTERN" : "HOTPATTERN";
  look.GivenTexture = normal ? texture : hotTexture;
  if (look.Transparency != 100) {
    look.ImagePercent = ClampPercent(normal ? s.ImagePercent : s.HotImagePercent);
    look.GradientPercent = ClampPercent(normal ? s.GradientPercent : s.HotGradientPercent);
    look.Gradient = normal ? &s.GradientArray : &s.HotGradientArray;
  }
  return look;
}

BackgroundInfo SeenFrom(const BackgroundInfo& background, std::int64_t originX,
                        std::int64_t originY, int left, int top) {
  BackgroundInfo b = background;
  b.OffsetX = Saturate(originX - left);
  b.OffsetY = Saturate(originY - top);
  return b;
}

void FillArea(PixelBuffer& bitmap, const PixelRect& area, TColor color) {
  const PixelRect r = ClampRect(area, bitmap.Width(), bitmap.Height());
  const TColor c = ConvertColor(color);
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* p = bitmap.Row(y) + 3 * r.Left;
    for (int x = r.Left; x < r.Right; ++x, p += 3) PutColor(p, c);
  }
}

bool InsideBitmap(const PixelRect& r, const PixelBuffer& b) {
  return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() &&
         r.Bottom <= b.Height();
}

int ShareFactor(int percent) { return std::min(255, percent * 255 / 100); }

void SectionComposer::Content(PixelBuffer& target, const PixelRect& area,
                              TColor emptyFill) const {
  const bool textured = look_.ImagePercent > 0 && texture_.Found();
  if (textured) TextureInto(target, area);
  if (look_.GradientPercent > 0) {
    if (textured) {
      PixelBuffer layer = NewBitmap24(area.Width(), area.Height());
      GradientOrColor(layer, {0, 0, area.Width(), area.Height()});
      // The texture keeps the image percentage.
      BlendBitmapRect(target, layer, ShareFactor(look_.ImagePercent), {area.Left, area.Top},
                      {0, 0, area.Width(), area.Height()});
    } else {
      GradientOrColor(target, area);
    }
  }
  // An image share without a texture to show counts for nothing: the
  // colour covers what no texture painted.
  const int shares = (textured ? look_.ImagePercent : 0) + look_.GradientPercent;
  if (shares == 0) {
    FillArea(target, area, emptyFill);
  } else if (shares < 100) {
    // Right and bottom inclusive: exactly the area, nothing beside it.
    BlendRectWithColor(target, {area.Left, area.Top, area.Right - 1, area.Bottom - 1}, shares,
                       look_.Color);
  }
}

void SectionComposer::Behind(PixelBuffer& bitmap, const PixelRect& area) const {
  if (!background_.IsBitmap) return FillArea(bitmap, area, background_.Color);
  if (!background_.Bitmap || SamePixels(background_.Bitmap, &bitmap)) return;
  CopyBlock(bitmap, area.Left, area.Top, *background_.Bitmap, originX_, originY_, area.Width(),
            area.Height());
}

void SectionComposer::ContentOverBehind(PixelBuffer& bitmap, const PixelRect& rect,
                                        TColor emptyFill) const {
  const int w = rect.Width(), h = rect.Height();
  PixelBuffer content = NewBitmap24(w, h);
  Content(content, {0, 0, w, h}, emptyFill);
  Behind(bitmap, rect);
  BlendBitmapRect(bitmap, content, ShareFactor(look_.Transparency), {rect.Left, rect.Top},
                  {0, 0, w, h});
}

void SectionComposer::TextureInto(PixelBuffer& target, const PixelRect& area) const {
  PixelRect uncovered;
  if (texture_.Pattern)
    uncovered = PaintTexture(target, area, texture_.Pattern, 0, nullptr, platform_);
  else if (texture_.Mask->MaskType == 0)
    uncovered = PaintTexture(target, area, nullptr, texture_.Mask->StretchMode, texture_.Mask,
                             platform_);
  else
    uncovered = PaintMaskedTexture(target, area, BackgroundFor(area), texture_.Mask->StretchMode,
                                   *texture_.Mask);
  if (uncovered != kNothingUncovered) FillArea(target, Intersect(uncovered, area), look_.Color);
}

void SectionComposer::GradientOrColor(PixelBuffer& target, const PixelRect& area) const {
  if (look_.Gradient && !look_.Gradient->empty())
    PaintGradient(target, area, *look_.Gradient, platform_);
  else
    FillArea(target, area, look_.Color);
}

}  // namespace folvane
