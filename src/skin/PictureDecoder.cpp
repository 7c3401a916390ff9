#include "skin/PictureDecoder.h"

#include "skin/ReadErrors.h"

namespace folvane {

PictureKind SniffPicture(const std::uint8_t* data, std::size_t size) {
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return PictureKind::Bmp;
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return PictureKind::Jpeg;
  return PictureKind::Unknown;
}

PixelBuffer DecodePicture(const std::uint8_t* data, std::size_t size) {
  switch (SniffPicture(data, size)) {
    case PictureKind::Bmp:
      return DecodeBmp(data, size);
    case PictureKind::Jpeg:
      return DecodeJpeg(data, size);
    case PictureKind::Unknown:
      break;
  }
  throw PictureError("Unknown picture file format");
}

}  // namespace folvane
