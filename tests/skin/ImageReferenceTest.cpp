// Image reference encodings, their defaults and their load errors.

#include <gtest/gtest.h>

#include "skin/ImageReference.h"
#include "skin/SkinErrors.h"

namespace folvane {
namespace {

using Kind = ImageReference::Kind;

struct Expected {
  const char* value;
  Kind kind;
  int l, t, r, b;
  int count, maskType, border, stretch;
  TvtImgType type;
  int wl, wt, wr, wb;
};

TEST(ImageReference, MasterRectangleEncodings) {
  const Expected cases[] = {
      {"^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5^1", Kind::MasterRect,
       48, 19, 99, 40, 3, 0, 1, 5, itisaBorder, 8, 10, 8, 10},
      {"^0000^0079^0514^0096^0004^0004^0004^0004^2^0^1^1", Kind::MasterRect,
       0, 79, 514, 96, 2, 0, 1, 1, itisaBorder, 4, 4, 4, 4},
      // Slices all 0: BorderWidth when it is not 0 ...
      {"^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^2", Kind::MasterRect,
       0, 0, 90, 60, 3, 1, 2, 0, itisaBorder, 2, 2, 2, 2},
      // ... else a third of one state image.
      {"^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0", Kind::MasterRect,
       0, 0, 90, 60, 3, 1, 0, 0, itisaBorder, 10, 10, 10, 10},
      {"@0034@0000@0130@0018@3@0", Kind::MasterRect,
       34, 0, 130, 18, 3, 0, 0, 0, itisaGlyph, 0, 0, 0, 0},
      {"~0110~0036~0113~0042~10~1", Kind::MasterRect,
       110, 36, 113, 42, 1, 1, 0, 10, itisaTexture, 0, 0, 0, 0},
      {"~0110~0036~0113~0042~10", Kind::MasterRect,  // 24 characters: no mask
       110, 36, 113, 42, 1, 0, 0, 10, itisaTexture, 0, 0, 0, 0},
      {"#M (0,20,30,40) (3,1,2)", Kind::MasterRect,
       0, 20, 30, 40, 3, 1, 2, 1, itisaBorder, 2, 2, 2, 2},
      {"#M (0,0,90,60) (0,-4,-1,7)", Kind::MasterRect,  // raised to 1 and 0
       0, 0, 90, 60, 1, 0, 0, 7, itisaBorder, 30, 20, 30, 20},
      {"#x (10,10,40,40)", Kind::MasterRect,  // numbers left out take defaults
       10, 10, 40, 40, 1, 0, 0, 1, itisaBorder, 10, 10, 10, 10},
      {"#x(1,2,3,4)(2,1,,5)", Kind::MasterRect,
       1, 2, 3, 4, 2, 1, 0, 5, itisaBorder, 0, 0, 0, 0},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(e.value);
    const ImageReference r = ParseImageReference("Sec", "Key", e.value);
    const TsMaskData& m = r.Mask;
    ASSERT_EQ(r.ReferenceKind, e.kind);
    EXPECT_EQ((std::vector<int>{m.Left, m.Top, m.Right, m.Bottom}),
              (std::vector<int>{e.l, e.t, e.r, e.b}));
    EXPECT_EQ((std::vector<int>{m.ImageCount, m.MaskType, m.BorderWidth, m.StretchMode}),
              (std::vector<int>{e.count, e.maskType, e.border, e.stretch}));
    EXPECT_EQ(m.ImgType, e.type);
    EXPECT_EQ((std::vector<int>{m.WL, m.WT, m.WR, m.WB}),
              (std::vector<int>{e.wl, e.wt, e.wr, e.wb}));
  }
}

TEST(ImageReference, NameCaseFollowsTheEncoding) {
  struct Case {
    const char* value;
    const char* section;
    const char* property;
  } cases[] = {
      {"^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5^1", "Sec", "Key"},
      {"@0034@0000@0130@0018@3@0", "Sec", "Key"},
      {"~0110~0036~0113~0042~10~1", "Sec", "Key"},
      {"!TL.BMP!1!1!2", "Sec", "Key"},
      {"tl.bmp", "SEC", "KEY"},
      {"#M (0,20,30,40) (3,1,2)", "SEC", "KEY"},
  };
  for (const Case& c : cases) {
    const ImageReference r = ParseImageReference("Sec", "Key", c.value);
    EXPECT_EQ(r.Mask.SectionName, c.section) << c.value;
    EXPECT_EQ(r.Mask.PropertyName, c.property) << c.value;
  }
}

TEST(ImageReference, FreeFormTexturesByKey) {
  for (const char* key : {"PATTERN", "hotpattern"}) {
    const ImageReference r = ParseImageReference("S", key, "#t (0,0,9,9) (1,0,0,7)");
    EXPECT_EQ(r.Mask.ImgType, itisaTexture) << key;
    EXPECT_EQ(r.Mask.StretchMode, 0) << key;
  }
}

TEST(ImageReference, OwnPictures) {
  ImageReference r = ParseImageReference("BUTTON_HUGE", "BORDERSMASK",
                                         "!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047");
  ASSERT_EQ(r.ReferenceKind, Kind::OwnPicture);
  EXPECT_EQ(r.PictureName, "BUTTONHUGE.BMP");
  CompleteOwnPicture(r, PixelBuffer(288, 192, PixelFormat::Bgr24));
  EXPECT_EQ((std::vector<int>{r.Mask.Left, r.Mask.Top, r.Mask.Right, r.Mask.Bottom}),
            (std::vector<int>{0, 0, 288, 192}));
  EXPECT_EQ((std::vector<int>{r.Mask.ImageCount, r.Mask.MaskType, r.Mask.StretchMode}),
            (std::vector<int>{3, 1, 4}));
  EXPECT_EQ((std::vector<int>{r.Mask.WL, r.Mask.WT, r.Mask.WR, r.Mask.WB}),
            (std::vector<int>{48, 48, 47, 47}));
  EXPECT_TRUE(r.Mask.HasImage());

  ImageReference glyph = ParseImageReference("FORMTITLE", "IMGTOPLEFT", "!TL.BMP!1!1!2");
  EXPECT_EQ(glyph.Mask.ImgType, itisaGlyph);
  CompleteOwnPicture(glyph, PixelBuffer(30, 60, PixelFormat::Bgr24));
  EXPECT_EQ((std::vector<int>{glyph.Mask.WL, glyph.Mask.WT}), (std::vector<int>{10, 10}));

  ImageReference whole = ParseImageReference("Sec", "Key", "corner.bmp");
  EXPECT_EQ(whole.PictureName, "CORNER.BMP");
  CompleteOwnPicture(whole, PixelBuffer(90, 60, PixelFormat::Bgr24));
  EXPECT_EQ((std::vector<int>{whole.Mask.ImageCount, whole.Mask.MaskType, whole.Mask.StretchMode}),
            (std::vector<int>{3, 1, 0}));
  EXPECT_EQ((std::vector<int>{whole.Mask.WL, whole.Mask.WT, whole.Mask.WR, whole.Mask.WB}),
            (std::vector<int>{10, 10, 10, 10}));

  EXPECT_TRUE(ParseImageReference("S", "K", "!TL.BMP!1!1!7").UnknownImgType);
}

TEST(ImageReference, ValuesThatAreNoReference) {
  for (const char* value : {"", "N/A", "15790320", "#", "some text", "PICTURE.JPG",
                            "!tl.bmp!1!1!2", "!NOPICTURE!1!1!0"})
    EXPECT_EQ(ParseImageReference("S", "K", value).ReferenceKind, Kind::None) << value;
}

TEST(ImageReference, LoadErrors) {
  const char* conversion[] = {
      "^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5^",    // too short
      "^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5",
      "^00x8^0019^0099^0040^0008^0010^0008^0010^3^0^5^1",   // not a number
      "^0048",
      "@0034@0000@0130@0018@3@",
      "@0034@0000@0130@0018@A@0",
      "~0110~0036~0113~0042~1",                              // 22 characters
      "~0110~0036~0113~0042~10~x",
      "!TL.BMP!1!1!2!4",                                     // 5 to 7 words
      "!TL.BMP!1!1!2!4!4",
      "!TL.BMP!1!1!2!4!4!4",
      "!TL.BMP!1!1",                                         // a word short
      "!TL.BMP!one!1!2",
      "#M (0,2x,30,40) (3,1,2)",
      "#M (0,20,30,40) (3,one,2)",
  };
  for (const char* value : conversion)
    EXPECT_THROW(ParseImageReference("S", "K", value), EConvertError) << value;

  // An ImageCount of 0 (or a MaskType of -1) where the default widths are
  // needed: the integer division is refused, not performed.
  EXPECT_THROW(ParseImageReference("S", "K", "^0000^0000^0090^0060^0000^0000^0000^0000^0^0^0^0"),
               EDivByZero);
  EXPECT_THROW(ParseImageReference("S", "K", "^0000^0000^0090^0060^0000^0000^0000^0000^3^-^0^0"),
               EConvertError);
  ImageReference own = ParseImageReference("S", "K", "!TL.BMP!0!1!0");
  EXPECT_THROW(CompleteOwnPicture(own, PixelBuffer(9, 9, PixelFormat::Bgr24)), EDivByZero);
  ImageReference noMask = ParseImageReference("S", "K", "!TL.BMP!1!-1!0");
  EXPECT_THROW(CompleteOwnPicture(noMask, PixelBuffer(9, 9, PixelFormat::Bgr24)), EDivByZero);
  try {
    ParseImageReference("S", "K", "^0000^0000^0090^0060^0000^0000^0000^0000^0^0^0^0");
  } catch (const EDivByZero& e) {
    EXPECT_STREQ(e.what(), "Division by zero");
  }
  // Slices given: an ImageCount of 0 needs no division and loads.
  EXPECT_NO_THROW(ParseImageReference("S", "K", "^0000^0000^0090^0060^0001^0001^0001^0001^0^0^0^0"));
  EXPECT_NO_THROW(ParseImageReference("S", "K", "@0000@0000@0090@0060@0@0"));
}

TEST(ImageReference, ExtremeFreeFormNumbersDoNotOverflow) {
  const ImageReference r = ParseImageReference(
      "S", "K", "#x (-2147483648,-2147483648,2147483647,2147483647) (2147483647,2147483647,0)");
  EXPECT_EQ(r.Mask.Width(), INT32_MAX);
  EXPECT_EQ(r.Mask.WL, 0);
  EXPECT_EQ(r.Mask.WT, 0);
}

TEST(ImageReference, JpegNames) {
  for (const char* v : {"BACK.JPG", "back.jpeg", "!X.JPG!1", "texture.Jpg"})
    EXPECT_TRUE(NamesJpegPicture(v)) << v;
  for (const char* v : {"BACK.BMP", "JPG", "back.jp"}) EXPECT_FALSE(NamesJpegPicture(v)) << v;
}

}  // namespace
}  // namespace folvane
