#include "paint/ScrollSection.h"

#include "paint/PaintColor.h"
#include "paint/PaintMask.h"
#include "paint/SectionComposer.h"
#include "skin/SkinModel.h"

namespace folvane {

void PaintScrollSection(int sectionIndex, int borderIndex, int textureIndex,
                        int hotTextureIndex, const BackgroundInfo& background,
                        const SkinModel& model, PixelBuffer& bitmap, PixelPoint offset,
                        PixelRect rect, int state, bool fillCentre, PaintPlatform& platform) {
  const TsGeneralData* section = model.Section(sectionIndex);
  if (!section || bitmap.Format() != PixelFormat::Bgr24 || !InsideBitmap(rect, bitmap)) return;
  const SectionLook look = LookOf(*section, KeyColor, state, hotTextureIndex, textureIndex);
  SectionTexture texture;
  if (look.ImagePercent > 0) texture.Mask = model.Mask(look.GivenTexture);
  const std::int64_t originX = std::int64_t{background.OffsetX} + offset.X;
  const std::int64_t originY = std::int64_t{background.OffsetY} + offset.Y;
  const SectionComposer composer(look, texture, background, originX, originY, platform);

  const bool clearOverColor = !background.IsBitmap && look.Transparency == 100;
  const TColor emptyFill = clearOverColor ? background.Color : look.Color;
  if (!background.IsBitmap || look.Transparency == 0)
    composer.Content(bitmap, rect, emptyFill);
  else if (look.Transparency == 100)
    composer.Behind(bitmap, rect);
  else
    composer.ContentOverBehind(bitmap, rect, emptyFill);

  if (const TsMaskData* border = model.Mask(borderIndex))
    PaintMask(bitmap, rect, fillCentre, true, state, *border,
              SeenFrom(background, originX, originY, rect.Left, rect.Top), platform);
}

}  // namespace folvane
