#include "paint/ImageListItem.h"

#include <commctrl.h>

#include "paint/PaintColor.h"
#include "runtime/Exception.h"
#include "runtime/win/ExtCtrls.h"

namespace folvane {

void ImageListItemToBitmap(TBitmap& bitmap, const TImageList& list, int index) {
  int w = 0, h = 0;
  if (!list.Handle() || !ImageList_GetIconSize(list.Handle(), &w, &h) || w <= 0 || h <= 0)
    return;
  try {
    TBitmap item(w, h);
    const COLORREF back = ImageList_GetBkColor(list.Handle());
    item.Pixels().Fill(back == CLR_NONE ? KeyColor : static_cast<TColor>(back & 0xFFFFFF));
    if (index >= 0 && index < list.Count())
      ImageList_Draw(list.Handle(), index, item.DC(), 0, 0, ILD_NORMAL);
    GdiFlush();  // the item's pixels are read directly from here on
    bitmap = std::move(item);
  } catch (const Exception&) {
  }
}

}  // namespace folvane
