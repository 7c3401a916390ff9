#pragma once
// Painting a skin section: colour, texture, gradient and transparency over
// what lies behind, then corner images and the border mask.

#include <string_view>

#include "paint/BackgroundInfo.h"
#include "paint/PaintPlatform.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

class SkinModel;

// The colour, texture, gradient and transparency of section `sectionIndex`
// of `model` in `state` (0 normal, anything else the Hot values) into `rect`
// of the 24-bit `bitmap`. `offset` is where rect's origin lies inside the
// background (added to its OffsetX/OffsetY). A `customColor` other than
// KeyColor paints a flat fill of that colour instead. A texture index of -1
// looks the section's "PATTERN" / "HOTPATTERN" up by name; other indexes
// are used when they name an unmasked entry (and, in state 0, a masked
// entry in texture mode 10 is laid over the result). Nothing happens for an
// invalid section or a rectangle that does not lie inside the bitmap.
void PaintSectionBackground(int sectionIndex, std::string_view sectionName,
                            const BackgroundInfo& background, TColor customColor,
                            int hotTextureIndex, int textureIndex, const SkinModel& model,
                            PixelBuffer& bitmap, PixelPoint offset, PixelRect rect, int state,
                            PaintPlatform& platform = SystemPaintPlatform());

// The corner images "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"
// of a section at the corners of `rect`, in `state`.
void PaintSectionCorners(int sectionIndex, std::string_view sectionName, const SkinModel& model,
                         PixelBuffer& bitmap, PixelRect rect, int state);

// PaintSectionBackground with the section's own colours, then the corner
// images "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT" and the
// border mask "BORDERSMASK" (fill corners; the centre with `fillCentre`).
void PaintSection(int sectionIndex, std::string_view sectionName,
                  const BackgroundInfo& background, int hotTextureIndex, int textureIndex,
                  const SkinModel& model, PixelBuffer& bitmap, PixelPoint offset, PixelRect rect,
                  int state, bool fillCentre, PaintPlatform& platform = SystemPaintPlatform());

}  // namespace folvane
