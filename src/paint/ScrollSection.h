#pragma once
// Scroll-bar parts (tracks, arrows, thumb) painted from their sections with
// the entries the caller has already resolved.

#include "paint/BackgroundInfo.h"
#include "paint/PaintPlatform.h"
#include "paint/PixelGeometry.h"
#include "runtime/PixelBuffer.h"

namespace folvane {

class SkinModel;

// Section `sectionIndex` in `state` into `rect` of the 24-bit `bitmap`,
// the way scroll bars compose it: the texture is mask entry `textureIndex`
// in state 0 and `hotTextureIndex` in every other state (nothing is looked
// up by name; an entry with a mask is laid by the mask rule); the section
// is see-through only over a bitmap background; with neither texture nor
// gradient it takes the background colour only when it is wholly
// transparent over a colour, else its own colour. Then border entry
// `borderIndex` with fill corners, `fillCentre` and `state`, its key
// pixels showing the background at `offset` (where rect's origin lies in
// it). No corner images, no overlay texture. Nothing happens for an
// invalid section or a rectangle that does not lie inside the bitmap.
void PaintScrollSection(int sectionIndex, int borderIndex, int textureIndex,
                        int hotTextureIndex, const BackgroundInfo& background,
                        const SkinModel& model, PixelBuffer& bitmap, PixelPoint offset,
                        PixelRect rect, int state, bool fillCentre,
                        PaintPlatform& platform = SystemPaintPlatform());

}  // namespace folvane
