#pragma once
// Everything one loaded skin consists of. A load fills a fresh SkinContents
// and the model takes it over only when the load succeeded.

#include "runtime/PixelBuffer.h"
#include "skin/SkinTypes.h"

namespace folvane {

struct SkinContents {
  TsGeneralDataArray Sections;
  TsMaskArray Masks;
  TsPatternArray Patterns;
  PixelBuffer MasterBitmap;  // 24 bits; empty when the skin names none
  TsSkinData SkinData;
  bool Packed = false;  // pictures came from an archive
};

}  // namespace folvane
