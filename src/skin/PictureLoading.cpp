#include "skin/PictureDecoder.h"
#include "skin/SkinSources.h"

#include <cstring>
#include <string>

namespace folvane {

PixelBuffer To24Bits(const PixelBuffer& picture) {
  if (picture.Format() == PixelFormat::Bgr24) return picture.Clone();
  PixelBuffer copy(picture.Width(), picture.Height(), PixelFormat::Bgr24);
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint8_t* from = picture.Row(y);
    std::uint8_t* to = copy.Row(y);
    for (int x = 0; x < picture.Width(); ++x, from += 4, to += 3)
      std::memcpy(to, from, 3);
  }
  return copy;
}

std::optional<PixelBuffer> LoadPicture(PictureSource& source, std::string_view name,
                                       PictureFormat format, LoadReport* report,
                                       std::string_view section, std::string_view key) {
  const std::string quoted = "picture \"" + std::string(name) + "\"";
  const auto bytes = source.Fetch(name);
  if (!bytes) {
    ReportQuietFault(report, section, key, quoted + " not found");
    return std::nullopt;
  }
  PixelBuffer picture;
  try {
    picture = format == PictureFormat::Bmp ? DecodeBmp(bytes->Data(), bytes->Size())
                                           : DecodeJpeg(bytes->Data(), bytes->Size());
  } catch (const std::exception& e) {
    // A damaged picture is treated like a missing one: the skin paints less.
    ReportQuietFault(report, section, key, quoted + " cannot be read: " + e.what());
    return std::nullopt;
  }
  if (picture.Width() < 1 || picture.Height() < 1) {
    ReportQuietFault(report, section, key, quoted + " is empty");
    return std::nullopt;
  }
  if (picture.Format() != PixelFormat::Bgr24) picture = To24Bits(picture);
  return picture;
}

}  // namespace folvane
