#include "controls/ButtonGlyph.h"

#include <algorithm>

#include "paint/Blends.h"
#include "paint/DisabledLook.h"
#include "paint/KeyedCopies.h"

namespace folvane {

namespace {

// Greying works on a 24-bit copy of one image, so the caller's glyph stays
// as it is.
PixelBuffer ImageCopy(const PixelBuffer& source, int left, int width) {
  PixelBuffer copy(width, source.Height(), PixelFormat::Bgr24);
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < width; ++x) copy.SetColor(x, y, source.GetColor(left + x, y));
  return copy;
}

PixelRect Whole(const PixelBuffer& image) {
  return {0, 0, image.Width() - 1, image.Height() - 1};
}

TColor BottomLeft(const PixelBuffer& image, int left) {
  return image.GetColor(left, image.Height() - 1);
}

// Copied skipping `key`, or blended with the face keeping `faceShare`.
void PutImage(PixelBuffer& face, PixelPoint at, const PixelBuffer& image, PixelRect source,
              TColor key, double faceShare) {
  if (faceShare > 0)
    BlendKeyedRect(face, at.X, at.Y, image, source, key, faceShare);
  else
    CopyKeyed(face, at.X, at.Y, image, source, key);
}

double Share(int blend) { return std::clamp(blend, 0, 100) / 100.0; }

}  // namespace

int GlyphImageIndex(int numGlyphs, const GlyphLook& look) {
  if (!look.Enabled) return 1;
  switch (look.State) {
    case 0: return 0;
    case 1: return numGlyphs >= 5 ? 4 : 0;
    default:
      if (look.Down && numGlyphs > 3) return 3;
      return numGlyphs >= 3 ? 2 : 0;
  }
}

void DrawButtonGlyph(PixelBuffer& face, PixelPoint at, const PixelBuffer& glyph, int numGlyphs,
                     const GlyphLook& look) {
  if (glyph.Empty() || numGlyphs < 1) return;
  const int width = glyph.Width() / numGlyphs;
  if (width <= 0) return;
  if (numGlyphs > 1) {
    const int index = std::min(GlyphImageIndex(numGlyphs, look), numGlyphs - 1);
    const PixelRect source{index * width, 0, (index + 1) * width - 1, glyph.Height() - 1};
    const bool blended = !look.Enabled && look.State == 0 && look.Blend > 0;
    const TColor key = BottomLeft(glyph, look.Enabled ? index * width : 0);
    PutImage(face, at, glyph, source, key, blended ? Share(look.Blend) : 0);
    return;
  }
  PixelBuffer image = ImageCopy(glyph, 0, width);
  if (look.Enabled) {
    if (look.State == 0 && look.Grayed) MakeGrey(image);
    const bool blended = look.State == 0 && look.Blend >= 1;
    PutImage(face, at, image, Whole(image), BottomLeft(image, 0),
             blended ? Share(look.Blend) : 0);
    return;
  }
  if (look.DisabledKind & dgGrayed) MakeGrey(image);
  PutImage(face, at, image, Whole(image), BottomLeft(image, 0),
           (look.DisabledKind & dgBlended) ? 0.5 : 0);
}

void DrawImageListGlyph(PixelBuffer& face, PixelPoint at, const PixelBuffer& image, TColor fill,
                        TColor greyKey, const GlyphLook& look) {
  if (image.Empty()) return;
  PixelBuffer work = ImageCopy(image, 0, image.Width());
  if (look.Enabled) {
    if (look.State == 0 && look.Grayed) MakeGreyExceptKey(work, greyKey);
    const bool blended = look.State == 0 && look.Blend >= 1;
    PutImage(face, at, work, Whole(work), fill, blended ? Share(look.Blend) : 0);
    return;
  }
  if (look.DisabledKind & dgGrayed) MakeGreyExceptKey(work, greyKey);
  PutImage(face, at, work, Whole(work), fill, (look.DisabledKind & dgBlended) ? 0.5 : 0);
}

}  // namespace folvane
