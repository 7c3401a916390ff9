#pragma once
// One picture of an image list as a working bitmap (Windows build only).

#include "runtime/win/Bitmap.h"

namespace folvane {

class TImageList;

// Makes `bitmap` a 24-bit bitmap of the list's item size, filled with the
// list's background colour (KeyColor when it has none, so that what the
// item leaves uncovered is transparent to skin painting), with item
// `index` drawn over it. An index the list does not hold leaves the fill;
// a list without a handle or with an empty item size leaves `bitmap` as
// it was.
void ImageListItemToBitmap(TBitmap& bitmap, const TImageList& list, int index);

}  // namespace folvane
