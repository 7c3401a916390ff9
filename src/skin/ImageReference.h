#pragma once
// Image references: option values that name a rectangle of the master
// bitmap or a picture of its own.
//   ^LLLL^TTTT^RRRR^BBBB^WLWL^WTWT^WRWR^WBWB^C^M^S^W  border, master bitmap
//   @LLLL@TTTT@RRRR@BBBB@C@M                          glyph, master bitmap
//   ~LLLL~TTTT~RRRR~BBBB~SS~M                         texture, master bitmap
//   !FILE.BMP!C!M!T[!WL!WT!WR!WB]                     picture of its own
//   NAME.BMP                                          picture of its own, whole
//   #x (l,t,r,b) (count,mask,border[,stretch])        border, master bitmap
// Parsing is separate from fetching pictures so that a value can be judged
// (and fuzzed) on its own.

#include <string>
#include <string_view>

#include "skin/SkinTypes.h"

namespace folvane {

struct ImageReference {
  enum class Kind {
    None,         // not an image reference: no entry
    MasterRect,   // Mask is complete; the rectangle is cut from the master
    OwnPicture,   // Mask needs the picture PictureName (see CompleteOwnPicture)
  };
  Kind ReferenceKind = Kind::None;
  TsMaskData Mask;
  std::string PictureName;
  // An own-picture "!" value names an ImgType outside 0 ... 2; it is stored
  // as a border.
  bool UnknownImgType = false;
  // A free-form value left out rectangle numbers, which then read as 0.
  bool MissingRectNumbers = false;
  // A "!" value whose file name lacks ".BMP" (in capitals): no entry.
  bool IgnoredOwnPicture = false;
};

// The mask pass's reading of one value of section `section`, key `key`.
// EConvertError for a malformed or too-short fixed-column number, a
// malformed "!" or free-form number, and "!" values of 5 to 7 words;
// EDivByZero when a rectangle from the master needs the default widths and
// its ImageCount is 0 (or its MaskType -1).
ImageReference ParseImageReference(std::string_view section,
                                   std::string_view key, std::string_view value);

// Sets R to the whole picture and applies the default widths: the reference
// is complete once its picture is known. EDivByZero as above.
void CompleteOwnPicture(ImageReference& reference, PixelBuffer picture);

// When WL + WT + WR + WB = 0: all four take BorderWidth when it is not 0
// (and `useBorderWidth`), else WL = WR = width div (ImageCount * 3) and
// WT = WB = height div ((MaskType + 1) * 3); EDivByZero for a zero divisor.
void ApplyDefaultWidths(TsMaskData& mask, bool useBorderWidth = true);

// Whether the patterns pass reads the value as a JPEG picture name.
bool NamesJpegPicture(std::string_view value);

// The free form alone (used for "CommonSections" too).
ImageReference ParseFreeForm(std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace folvane
