#include "skin/ImageReference.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/NumberText.h"
#include "skin/SkinErrors.h"
#include "skin/SkinText.h"

namespace folvane {

namespace {

using Kind = ImageReference::Kind;

// Columns are 1-based, as the format is documented. A field that does not
// lie wholly inside the value is a conversion error, raised here instead of
// reading past the value.
int Column(std::string_view value, std::size_t first, std::size_t count) {
  if (value.size() < first - 1 + count)
    ThrowNotAnInteger(std::string(value.substr(std::min(value.size(), first - 1))));
  return StrictInteger(value.substr(first - 1, count));
}

void SetRect(TsMaskData& m, std::string_view v) {
  m.Left = Column(v, 2, 4);
  m.Top = Column(v, 7, 4);
  m.Right = Column(v, 12, 4);
  m.Bottom = Column(v, 17, 4);
}

ImageReference Named(std::string_view section, std::string_view key,
                     bool upperCase) {
  ImageReference r;
  r.Mask.SectionName = upperCase ? ToUpperAscii(section) : std::string(section);
  r.Mask.PropertyName = upperCase ? ToUpperAscii(key) : std::string(key);
  return r;
}

ImageReference ParseBorder(std::string_view section, std::string_view key,
                           std::string_view v) {
  ImageReference r = Named(section, key, false);
  TsMaskData& m = r.Mask;
  SetRect(m, v);
  m.WL = Column(v, 22, 4);
  m.WT = Column(v, 27, 4);
  m.WR = Column(v, 32, 4);
  m.WB = Column(v, 37, 4);
  m.ImageCount = Column(v, 42, 1);
  m.MaskType = Column(v, 44, 1);
  m.StretchMode = Column(v, 46, 1);
  m.BorderWidth = Column(v, 48, 1);
  m.ImgType = itisaBorder;
  ApplyDefaultWidths(m);
  r.ReferenceKind = Kind::MasterRect;
  return r;
}

ImageReference ParseGlyph(std::string_view section, std::string_view key,
                          std::string_view v) {
  ImageReference r = Named(section, key, false);
  SetRect(r.Mask, v);
  r.Mask.ImageCount = Column(v, 22, 1);
  r.Mask.MaskType = Column(v, 24, 1);
  r.Mask.ImgType = itisaGlyph;
  r.ReferenceKind = Kind::MasterRect;
  return r;
}

ImageReference ParseTexture(std::string_view section, std::string_view key,
                            std::string_view v) {
  ImageReference r = Named(section, key, false);
  SetRect(r.Mask, v);
  r.Mask.StretchMode = Column(v, 22, 2);
  r.Mask.MaskType = v.size() >= 25 ? Column(v, 25, 1) : 0;
  r.Mask.ImageCount = 1;
  r.Mask.ImgType = itisaTexture;
  r.ReferenceKind = Kind::MasterRect;
  return r;
}

// Word n (1-based) as a number; a missing word reads as an empty text.
int Word(const std::vector<std::string_view>& words, std::size_t n) {
  return StrictInteger(n <= words.size() ? words[n - 1] : std::string_view());
}

ImageReference ParseOwnPicture(std::string_view section, std::string_view key,
                               std::string_view v) {
  const auto words = SplitWords(v, "!");
  if (words.empty() || !ContainsText(words[0], ".BMP")) {
    ImageReference ignored;
    ignored.IgnoredOwnPicture = true;
    return ignored;
  }
  ImageReference r = Named(section, key, false);
  TsMaskData& m = r.Mask;
  m.ImageCount = Word(words, 2);
  m.MaskType = Word(words, 3);
  const int imgType = Word(words, 4);
  r.UnknownImgType = imgType < 0 || imgType > 2;
  m.ImgType = r.UnknownImgType ? itisaBorder : static_cast<TvtImgType>(imgType);
  if (words.size() > 4) {  // 5 to 7 words fail on the first missing one
    m.WL = Word(words, 5);
    m.WT = Word(words, 6);
    m.WR = Word(words, 7);
    m.WB = Word(words, 8);
  }
  m.StretchMode = 4;
  r.PictureName = std::string(words[0]);
  r.ReferenceKind = Kind::OwnPicture;
  return r;
}

ImageReference ParseWholePicture(std::string_view section, std::string_view key,
                                 std::string_view v) {
  std::string name = ToUpperAscii(v);
  if (!ContainsText(name, ".BMP")) return ImageReference();
  ImageReference r = Named(section, key, true);
  r.Mask.ImgType = itisaBorder;
  r.Mask.ImageCount = 3;
  r.Mask.MaskType = 1;
  r.PictureName = std::move(name);
  r.ReferenceKind = Kind::OwnPicture;
  return r;
}

// A comma-separated list of numbers; an empty item is a missing number.
std::vector<std::optional<int>> NumberList(std::string_view word) {
  std::vector<std::optional<int>> numbers;
  if (word.empty()) return numbers;
  for (std::string_view item : SplitItems(word, ','))
    numbers.push_back(item.empty() ? std::nullopt
                                   : std::optional<int>(StrictInteger(item)));
  return numbers;
}

std::optional<int> Nth(const std::vector<std::optional<int>>& list, std::size_t i) {
  return i < list.size() ? list[i] : std::nullopt;
}

}  // namespace

ImageReference ParseFreeForm(std::string_view section, std::string_view key,
                             std::string_view value) {
  const auto words = SplitWords(value, " ()");
  const auto rect = NumberList(words.size() > 1 ? words[1] : std::string_view());
  const auto params = NumberList(words.size() > 2 ? words[2] : std::string_view());
  ImageReference r = Named(section, key, true);
  TsMaskData& m = r.Mask;
  r.MissingRectNumbers = !(Nth(rect, 0) && Nth(rect, 1) && Nth(rect, 2) && Nth(rect, 3));
  m.Left = Nth(rect, 0).value_or(0);
  m.Top = Nth(rect, 1).value_or(0);
  m.Right = Nth(rect, 2).value_or(0);
  m.Bottom = Nth(rect, 3).value_or(0);
  m.ImageCount = std::max(1, Nth(params, 0).value_or(1));
  m.MaskType = std::max(0, Nth(params, 1).value_or(0));
  m.BorderWidth = std::max(0, Nth(params, 2).value_or(0));
  const bool texture = m.PropertyName == "PATTERN" || m.PropertyName == "HOTPATTERN";
  m.ImgType = texture ? itisaTexture : itisaBorder;
  m.StretchMode = texture ? 0 : Nth(params, 3).value_or(1);
  ApplyDefaultWidths(m);
  r.ReferenceKind = Kind::MasterRect;
  return r;
}

ImageReference ParseImageReference(std::string_view section,
                                   std::string_view key, std::string_view value) {
  if (value.empty()) return ImageReference();
  switch (value.front()) {
    case '!': return ParseOwnPicture(section, key, value);
    case '@': return ParseGlyph(section, key, value);
    case '^': return ParseBorder(section, key, value);
    case '~': return ParseTexture(section, key, value);
    default: break;
  }
  if (!ContainsText(value, "#")) return ParseWholePicture(section, key, value);
  if (value != "#") return ParseFreeForm(section, key, value);
  return ImageReference();
}

void ApplyDefaultWidths(TsMaskData& m, bool useBorderWidth) {
  const std::int64_t sum = static_cast<std::int64_t>(m.WL) + m.WT + m.WR + m.WB;
  if (sum != 0) return;
  if (useBorderWidth && m.BorderWidth != 0) {
    m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
    return;
  }
  const std::int64_t across = static_cast<std::int64_t>(m.ImageCount) * 3;
  const std::int64_t down = (static_cast<std::int64_t>(m.MaskType) + 1) * 3;
  if (across == 0 || down == 0) throw EDivByZero();
  // Quotients of 32-bit widths by divisors of magnitude >= 3 fit an int.
  m.WL = m.WR = static_cast<int>(m.Width() / across);
  m.WT = m.WB = static_cast<int>(m.Height() / down);
}

void CompleteOwnPicture(ImageReference& r, PixelBuffer picture) {
  r.Mask.Left = 0;
  r.Mask.Top = 0;
  r.Mask.Right = picture.Width();
  r.Mask.Bottom = picture.Height();
  r.Mask.Image = std::move(picture);
  ApplyDefaultWidths(r.Mask);
}

bool NamesJpegPicture(std::string_view value) {
  const std::string upper = ToUpperAscii(value);
  return ContainsText(upper, ".JPG") || ContainsText(upper, ".JPEG");
}

}  // namespace folvane
