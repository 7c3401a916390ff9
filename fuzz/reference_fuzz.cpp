// Image reference values from strangers: a value either makes an entry or
// fails with the conversion or division error, never by reading past the
// value, overflowing or dividing by zero; the lookups on any entry it makes
// never divide by zero either.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/ImageReference.h"
#include "skin/SkinErrors.h"
#include "skin/SkinModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace folvane;
  if (size < 3) return 0;
  // Two bytes choose the key and the size of an own picture; the rest is
  // the value.
  const char* keys[] = {"BORDERSMASK", "PATTERN", "HOTPATTERN", "glyphmask"};
  const char* key = keys[data[0] % 4];
  const int width = data[1] % 16;
  const int height = data[1] / 16;
  const std::string_view value(reinterpret_cast<const char*>(data + 2), size - 2);
  SkinContents skin;
  try {
    ImageReference ref = ParseImageReference("SECTION", key, value);
    if (ref.ReferenceKind == ImageReference::Kind::OwnPicture)
      CompleteOwnPicture(ref, PixelBuffer(width, height, PixelFormat::Bgr24));
    if (ref.ReferenceKind != ImageReference::Kind::None) skin.Masks.push_back(std::move(ref.Mask));
  } catch (const EConvertError&) {
  } catch (const EDivByZero&) {
  }
  try {
    ImageReference free = ParseFreeForm("SECTION", key, value);
    skin.Masks.push_back(std::move(free.Mask));
  } catch (const EConvertError&) {
  }
  SkinModel model;
  model.Assign(std::move(skin));
  for (int i = 0; model.MaskIndexValid(i); ++i) {
    model.SliceWidthLeft(i);
    model.SliceWidthTop(i);
    model.SliceWidthRight(i);
    model.SliceWidthBottom(i);
    model.MaskStateSize(i);
    model.Mask(i)->Width();
  }
  return 0;
}
