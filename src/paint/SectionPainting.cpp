#include "paint/SectionPainting.h"

#include "paint/MaskPieces.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/PaintTexture.h"
#include "paint/SectionComposer.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

SectionTexture FindTexture(const SkinModel& model, int sectionIndex,
                           std::string_view sectionName, const SectionLook& look) {
  SectionTexture t;
  if (look.GivenTexture != -1) {
    const TsMaskData* m = model.Mask(look.GivenTexture);
    if (m && m->MaskType == 0) t.Mask = m;
    return t;
  }
  t.Mask = model.Mask(model.FindMask(sectionIndex, sectionName, look.PatternName));
  if (!t.Mask)
    t.Pattern = model.Pattern(model.FindPattern(sectionIndex, sectionName, look.PatternName));
  return t;
}

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
  const SectionTexture texture = look.ImagePercent > 0
                                     ? FindTexture(model, sectionIndex, sectionName, look)
                                     : SectionTexture{};
  const SectionComposer composer(look, texture, background,
                                 std::int64_t{background.OffsetX} + offset.X,
                                 std::int64_t{background.OffsetY} + offset.Y, platform);

  // Without a share of texture or gradient a see-through section over a
  // colour takes that colour: over an unresolved background that is the
  // key colour, which the parent later replaces with what lies behind.
  const bool behindIsColor = !background.IsBitmap && look.Transparency != 0;
  const TColor emptyFill = behindIsColor ? background.Color : look.Color;
  const bool unresolved = !background.IsBitmap && background.Color == KeyColor;
  if (unresolved || look.Transparency == 0) {
    composer.Content(bitmap, rect, emptyFill);
  } else if (look.Transparency == 100) {
    composer.Behind(bitmap, rect);
  } else {
    composer.ContentOverBehind(bitmap, rect, emptyFill);
  }
  if (state != 0) return;
  if (const TsMaskData* overlay = OverlayTexture(model, hotTextureIndex, textureIndex))
    PaintMaskedTexture(bitmap, rect, composer.BackgroundFor(rect), 10, *overlay);
}

void PaintSectionCorners(int sectionIndex, std::string_view sectionName, const SkinModel& model,
                         PixelBuffer& bitmap, PixelRect rect, int state) {
  // Over what was painted before: key pixels keep it.
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

  PaintSectionCorners(sectionIndex, sectionName, model, bitmap, rect, state);

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
