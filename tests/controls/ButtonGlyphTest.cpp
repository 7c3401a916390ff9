// Button glyphs drawn onto a face: which image shows in which state, the
// transparent colour taken from each image, greying and blending.
#include "controls/ButtonGlyph.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

constexpr TColor kFace = 0x808080;
constexpr TColor kKey = 0xFF00FF;

PixelBuffer Face() {
  PixelBuffer face(8, 4, PixelFormat::Bgr24);
  face.Fill(kFace);
  return face;
}

// A 2 x 2 image: colour on top, key on the bottom row (bottom-left is key).
void PutImage(PixelBuffer& glyph, int left, TColor color, TColor key = kKey) {
  glyph.SetColor(left, 0, color);
  glyph.SetColor(left + 1, 0, color);
  glyph.SetColor(left, 1, key);
  glyph.SetColor(left + 1, 1, key);
}

TEST(ButtonGlyph, ImageShownPerState) {
  struct Case {
    int numGlyphs;
    bool enabled, down;
    int state, image;
  } cases[] = {
      {1, true, false, 0, 0}, {1, true, false, 1, 0}, {1, true, false, 2, 0},
      {2, false, false, 0, 1}, {3, true, false, 1, 0}, {3, true, false, 2, 2},
      {4, true, true, 2, 3},  {4, true, false, 2, 2}, {5, true, false, 1, 4},
      {5, false, false, 1, 1}, {3, true, true, 2, 2},
  };
  for (const Case& c : cases) {
    GlyphLook look;
    look.Enabled = c.enabled;
    look.State = c.state;
    look.Down = c.down;
    EXPECT_EQ(GlyphImageIndex(c.numGlyphs, look), c.image)
        << c.numGlyphs << " images, state " << c.state;
  }
}

TEST(ButtonGlyph, EachImageSkipsItsOwnBottomLeftColour) {
  // Five images, each with its own key colour: the hot one (4) is drawn.
  PixelBuffer glyph(10, 2, PixelFormat::Bgr24);
  for (int i = 0; i < 5; ++i) PutImage(glyph, 2 * i, 0x000010u * (i + 1), 0x010101u * (i + 1));
  PixelBuffer face = Face();
  GlyphLook look;
  look.State = 1;
  DrawButtonGlyph(face, {1, 1}, glyph, 5, look);
  EXPECT_EQ(face.GetColor(1, 1), 0x000050u);
  EXPECT_EQ(face.GetColor(2, 1), 0x000050u);
  EXPECT_EQ(face.GetColor(1, 2), kFace);  // its key colour left the face alone
  EXPECT_EQ(face.GetColor(0, 1), kFace);
}

TEST(ButtonGlyph, GreyBlendedAndDisabledLooks) {
  constexpr TColor red = 0x0000F0;  // grey of it: 0x50 in every channel
  PixelBuffer glyph(2, 2, PixelFormat::Bgr24);
  PutImage(glyph, 0, red);
  struct Case {
    const char* what;
    bool enabled, grayed;
    int state, blend;
    TsDisabledGlyphKind kind;
    TColor top, keyRow;
  } cases[] = {
      {"plain", true, false, 0, 0, dgBlended, red, kFace},
      {"grayed", true, true, 0, 0, dgBlended, 0x505050, kFace},
      {"grayed shows colour when hot", true, true, 1, 0, dgBlended, red, kFace},
      // Blend 50: the face keeps half, rounded to even.
      {"blended", true, false, 0, 50, dgBlended, 0x4040B8, kFace},
      {"blend ignored when hot", true, false, 1, 50, dgBlended, red, kFace},
      {"disabled grey only", false, false, 0, 0, dgGrayed, 0x505050, kFace},
      {"disabled grey and half", false, false, 0, 0, dgGrayed | dgBlended, 0x686868, kFace},
      {"disabled half", false, false, 0, 0, dgBlended, 0x4040B8, kFace},
      {"disabled copied", false, false, 0, 0, 0, red, kFace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PixelBuffer face = Face();
    GlyphLook look;
    look.Enabled = c.enabled;
    look.Grayed = c.grayed;
    look.State = c.state;
    look.Blend = c.blend;
    look.DisabledKind = c.kind;
    DrawButtonGlyph(face, {0, 0}, glyph, 1, look);
    EXPECT_EQ(face.GetColor(0, 0), c.top);
    EXPECT_EQ(face.GetColor(0, 1), c.keyRow);
  }
  EXPECT_EQ(glyph.GetColor(0, 0), red);  // the glyph itself stays as it was
}

TEST(ButtonGlyph, ImageListPictureSkipsItsFillColour) {
  constexpr TColor fill = 0x00FF00;
  PixelBuffer image(2, 2, PixelFormat::Bgr24);
  PutImage(image, 0, 0x0000F0, fill);
  PixelBuffer face = Face();
  GlyphLook look;
  look.Grayed = true;
  DrawImageListGlyph(face, {0, 0}, image, fill, fill, look);
  EXPECT_EQ(face.GetColor(0, 0), 0x505050u);
  EXPECT_EQ(face.GetColor(0, 1), kFace);
}

}  // namespace
}  // namespace folvane
