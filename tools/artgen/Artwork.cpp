#include "Artwork.h"

#include "Pictures.h"

namespace folvane::artgen {

std::vector<ArtworkFile> renderArtwork() {
  std::vector<Pixels> iconImages;
  for (int size : {16, 24, 32, 48, 256}) iconImages.push_back(iconPicture(size));
  return {
      {"Folvane.ico", encodeIco(iconImages)},
      {"GlyphApply.bmp", encodeBmp(applyGlyph(), 24)},
      {"GlyphRemove.bmp", encodeBmp(removeGlyph(), 24)},
      {"GlyphClear.bmp", encodeBmp(clearGlyph(), 24)},
      {"GlyphAbout.bmp", encodeBmp(aboutGlyph(), 24)},
      {"GlyphClose.bmp", encodeBmp(closeGlyph(), 24)},
      {"OkGlyph.bmp", encodeBmp(okGlyph(), 24)},
      {"DefaultFolder.bmp", encodeBmp(defaultFolderPicture(), 32)},
      {"AboutPicture.bmp", encodeBmp(aboutPicture(), 24)},
      {"ComboOpenFile.bmp", encodeBmp(openFileGlyph(), 24)},
      {"ComboOpenFolder.bmp", encodeBmp(openFolderGlyph(), 24)},
      {"ComboDate.bmp", encodeBmp(calendarGlyph(), 24)},
      {"ComboEllipsis.bmp", encodeBmp(ellipsisGlyph(), 24)},
      {"ComboCalc.bmp", encodeBmp(calculatorGlyph(), 24)},
  };
}

}  // namespace folvane::artgen
