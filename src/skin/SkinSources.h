#pragma once
// What one skin load reads from.

#include <optional>
#include <string_view>

#include "runtime/PixelBuffer.h"
#include "skin/LoadReport.h"
#include "skin/OptionsFile.h"
#include "skin/PictureSource.h"
#include "skin/StoredSkin.h"
#include "skin/SystemColors.h"

namespace folvane {

struct SkinSources {
  // The options file; nullptr for an internal skin kept in collections
  // (then `Stored` holds them).
  const OptionsFile* Options = nullptr;
  const TsStoredSkin* Stored = nullptr;
  PictureSource* Pictures = nullptr;  // the archive or the skin folder
  // "CommonSections", and where its pictures are read (SkinPath + name).
  const OptionsFile* Common = nullptr;
  PictureSource* CommonPictures = nullptr;
  const SystemColors* Colors = &ClassicSystemColors();
  LoadReport* Report = nullptr;
};

enum class PictureFormat { Bmp, Jpeg };

// The named picture decoded to 24 bits, or nullopt when it is missing,
// cannot be decoded or is empty (each told to the report, if any, as a fault
// the program passes over).
std::optional<PixelBuffer> LoadPicture(PictureSource& source, std::string_view name,
                                       PictureFormat format, LoadReport* report,
                                       std::string_view section, std::string_view key);

// A 24-bit copy of any pixel buffer.
PixelBuffer To24Bits(const PixelBuffer& picture);

}  // namespace folvane
