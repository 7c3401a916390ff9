#include "paint/SectionToDC.h"

#include "paint/SectionPainting.h"
#include "runtime/Exception.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"

namespace folvane {

void PaintSectionToDC(int sectionIndex, std::string_view sectionName,
                      const BackgroundInfo& background, const SkinModel& model, HDC dc,
                      PixelPoint offset, PixelRect rect, int state, bool fillCentre) {
  if (!dc || rect.Left < 0 || rect.Top < 0 || rect.IsEmpty() ||
      !model.SectionIndexValid(sectionIndex))
    return;
  try {
    TBitmap scratch(rect.Width(), rect.Height());
    PaintSection(sectionIndex, sectionName, background, -1, -1, model, scratch.Pixels(), offset,
                 {0, 0, rect.Width(), rect.Height()}, state, fillCentre);
    const int saved = SaveDC(dc);
    BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), scratch.DC(), 0, 0, SRCCOPY);
    if (saved) RestoreDC(dc, saved);
  } catch (const Exception&) {
    // Painting never fails: a scratch bitmap the system cannot make
    // paints nothing.
  }
}

}  // namespace folvane
