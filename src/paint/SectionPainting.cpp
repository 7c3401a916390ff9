#include "paint/SectionPainting.h"

#include <algorithm>

#include "paint/Blends.h"
#include "paint/MaskPieces.h"
#include "paint/NewBitmap.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintGradient.h"
#include "paint/PaintMask.h"
#include "paint/PaintTexture.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

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

struct Texture {
  const TsMaskData* Mask = nullptr;
  const TsPatternData* Pattern = nullptr;
  bool Found() const { return Mask || Pattern; }
};

Texture FindTexture(const SkinModel& model, int sectionIndex, std::string_view sectionName,
                    const SectionLook& look) {
  Texture t;
  if (look.GivenTexture != -1) {
    const TsMaskData* m = model.Mask(look.GivenTexture);
    if (m && m->MaskType == 0) t.Mask = m;
    return t;
  }
  t.Mask = model.Mask(model.FindMask(sectionIndex, sectionName, look.PatternName));
  if (!t.Mask) t.Pattern = model.Pattern(model.FindPattern(sectionIndex, sectionName, look.PatternName));
  return t;
}

int Saturate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// `background` seen from a bitmap in which the painted area's origin lies
// at (left, top), the area's origin lying at (originX, originY) of the
// background bitmap.
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

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const PixelRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                    std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? PixelRect{} : r;
}

bool InsideBitmap(const PixelRect& r, const PixelBuffer& b) {
  return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() &&
         r.Bottom <= b.Height();
}

int ShareFactor(int percent) { return std::min(255, percent * 255 / 100); }

class SectionComposer {
 public:
  SectionComposer(const SectionLook& look, const Texture& texture,
                  const BackgroundInfo& background, std::int64_t originX, std::int64_t originY,
                  PaintPlatform& platform)
      : look_(look), texture_(texture), background_(background), originX_(originX),
        originY_(originY), platform_(platform) {}

  // Texture, gradient and colour into `area` of `target`.
  void Content(PixelBuffer& target, const PixelRect& area) const {
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
      const bool behindIsColor = !background_.IsBitmap && look_.Transparency != 0;
      FillArea(target, area, behindIsColor ? background_.Color : look_.Color);
    } else if (shares < 100) {
      // Right and bottom inclusive: exactly the area, nothing beside it.
      BlendRectWithColor(target, {area.Left, area.Top, area.Right - 1, area.Bottom - 1}, shares,
                         look_.Color);
    }
  }

  // What lies behind, into `area` of `bitmap`.
  void Behind(PixelBuffer& bitmap, const PixelRect& area) const {
    if (!background_.IsBitmap) return FillArea(bitmap, area, background_.Color);
    if (!background_.Bitmap || SamePixels(background_.Bitmap, &bitmap)) return;
    CopyBlock(bitmap, area.Left, area.Top, *background_.Bitmap, originX_, originY_,
              area.Width(), area.Height());
  }

  BackgroundInfo BackgroundFor(const PixelRect& area) const {
    return SeenFrom(background_, originX_, originY_, area.Left, area.Top);
  }

 private:
  void TextureInto(PixelBuffer& target, const PixelRect& area) const {
    PixelRect uncovered;
    if (texture_.Pattern)
      uncovered = PaintTexture(target, area, texture_.Pattern, 0, nullptr, platform_);
    else if (texture_.Mask->MaskType == 0)
      uncovered = PaintTexture(target, area, nullptr, texture_.Mask->StretchMode, texture_.Mask,
                               platform_);
    else
      uncovered = PaintMaskedTexture(target, area, BackgroundFor(area),
                                     texture_.Mask->StretchMode, *texture_.Mask);
    if (uncovered != kNothingUncovered) FillArea(target, Intersect(uncovered, area), look_.Color);
  }

  void GradientOrColor(PixelBuffer& target, const PixelRect& area) const {
    if (look_.Gradient && !look_.Gradient->empty())
      PaintGradient(target, area, *look_.Gradient, platform_);
    else
      FillArea(target, area, look_.Color);
  }

  const SectionLook& look_;
  const Texture& texture_;
  const BackgroundInfo& background_;
  std::int64_t originX_, originY_;
  PaintPlatform& platform_;
};

// In state 0 a masked texture in mode 10 goes over everything: the given
// texture entry, or else the given hot texture entry.
const TsMaskData* OverlayTexture(const SkinModel& model, int hotTexture, int texture) {
  auto overlay = [](const TsMaskData* m) {
    return m && m->MaskType != 0 && m->StretchMode == 10;
  };
  const TsMaskData* given = model.Mask(texture);
  if (overlay(given)) return given;
  if (texture == -1 || (given && given->MaskType == 0)) {
    const TsMaskData* hot = model.Mask(hotTexture);
    if (overlay(hot)) return hot;
  }
  return nullptr;
}

}  // namespace

void PaintSectionBackground(int sectionIndex, std::string_view sectionName,
                            const BackgroundInfo& background, TColor customColor,
                            int hotTextureIndex, int textureIndex, const SkinModel& model,
                            PixelBuffer& bitmap, PixelPoint offset, PixelRect rect, int state,
                            PaintPlatform& platform) {
  const TsGeneralData* section = model.Section(sectionIndex);
  if (!section || bitmap.Format() != PixelFormat::Bgr24 || !InsideBitmap(rect, bitmap)) return;
  const SectionLook look = LookOf(*section, customColor, state, hotTextureIndex, textureIndex);
  const Texture texture =
      look.ImagePercent > 0 ? FindTexture(model, sectionIndex, sectionName, look) : Texture{};
  const SectionComposer composer(look, texture, background,
                                 std::int64_t{background.OffsetX} + offset.X,
                                 std::int64_t{background.OffsetY} + offset.Y, platform);

  const bool unresolved = !background.IsBitmap && background.Color == KeyColor;
  if (unresolved || look.Transparency == 0) {
    composer.Content(bitmap, rect);
  } else if (look.Transparency == 100) {
    composer.Behind(bitmap, rect);
  } else {
    const int w = rect.Width(), h = rect.Height();
    PixelBuffer content = NewBitmap24(w, h);
    composer.Content(content, {0, 0, w, h});
    composer.Behind(bitmap, rect);
    // The transparency is the background's share.
    BlendBitmapRect(bitmap, content, ShareFactor(look.Transparency), {rect.Left, rect.Top},
                    {0, 0, w, h});
  }
  if (state != 0) return;
  if (const TsMaskData* overlay = OverlayTexture(model, hotTextureIndex, textureIndex))
    PaintMaskedTexture(bitmap, rect, composer.BackgroundFor(rect), 10, *overlay);
}

void PaintSection(int sectionIndex, std::string_view sectionName,
                  const BackgroundInfo& background, int hotTextureIndex, int textureIndex,
                  const SkinModel& model, PixelBuffer& bitmap, PixelPoint offset, PixelRect rect,
                  int state, bool fillCentre, PaintPlatform& platform) {
  if (bitmap.Format() != PixelFormat::Bgr24 || !InsideBitmap(rect, bitmap) ||
      !model.SectionIndexValid(sectionIndex))
    return;
  PaintSectionBackground(sectionIndex, sectionName, background, KeyColor, hotTextureIndex,
                         textureIndex, model, bitmap, offset, rect, state, platform);

  // Corner images over what was just painted: key pixels keep it.
  const BackgroundInfo itself = BitmapBackground(bitmap);
  const struct {
    const char* name;
    bool right, bottom;
  } corners[] = {{"IMGTOPLEFT", false, false},
                 {"IMGTOPRIGHT", true, false},
                 {"IMGBTMLEFT", false, true},
                 {"IMGBTMRIGHT", true, true}};
  for (const auto& c : corners) {
    const TsMaskData* image = model.Mask(model.FindMask(sectionIndex, sectionName, c.name));
    if (!image) continue;
    const MaskFrames frames = FramesOf(*image);
    if (!frames.Source) continue;
    const PixelPoint at{c.right ? rect.Right - frames.FrameWidth : rect.Left,
                        c.bottom ? rect.Bottom - frames.FrameHeight : rect.Top};
    PaintGlyph(bitmap, at, state, itself, *image, kGlyphNormal);
  }

  if (const TsMaskData* border =
          model.Mask(model.FindMask(sectionIndex, sectionName, "BORDERSMASK"))) {
    // Key pixels of the border show the background behind each pixel.
    const BackgroundInfo behind =
        SeenFrom(background, std::int64_t{background.OffsetX} + offset.X,
                 std::int64_t{background.OffsetY} + offset.Y, rect.Left, rect.Top);
    PaintMask(bitmap, rect, fillCentre, true, state, *border, behind, platform);
  }
}

}  // namespace folvane
