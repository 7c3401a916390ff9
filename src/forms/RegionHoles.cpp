#include "forms/RegionHoles.h"

#include "paint/HalfMaskedBitmap.h"
#include "skin/SkinModel.h"

namespace folvane {

std::vector<PixelRect> RegionHolesFor(const SkinModel& model, int frameMask, int captionMask,
                                      int width, int height) {
  std::vector<PixelRect> holes;
  if (const TsMaskData* frame = model.Mask(frameMask)) {
    ScanCornerRuns(holes, width, *frame, false, 0);
    ScanCornerRuns(holes, width, *frame, true, height - frame->WB);
  }
  if (const TsMaskData* caption = model.Mask(captionMask))
    ScanCornerRuns(holes, width, *caption, false, 0);
  return holes;
}

}  // namespace folvane
