// Loading whole skins into the model: packed, folder and internal skins,
// the order and content of the entries, and what a failed load leaves.

#include <gtest/gtest.h>

#include "skin/CommonSections.h"
#include "skin/ReadErrors.h"
#include "skin/SkinErrors.h"
#include "skin/SkinFixture.h"
#include "skin/SkinLoader.h"
#include "skin/data/PatternJpegs.h"

namespace folvane {
namespace {

using namespace test;

const char kOptions[] =
    "[GLOBALINFO]\r\n"
    "VERSION=5.6\r\n"
    "MASTERBITMAP=MASTER.BMP\r\n"
    "COLOR=15790320\r\n"
    "BOXCHECKED=@0000@0000@0030@0010@3@0\r\n"
    "[FORM]\r\n"
    "BORDERSMASK=^0000^0079^0514^0096^0004^0004^0004^0004^2^0^1^1\r\n"
    "COLOR=15198183\r\n"
    "[COMBOBOX]\r\n"
    "GLYPHMASK=@0114@0037@0121@0041@1@0\r\n"
    "[GRIPH]\r\n"
    "PATTERN=~0110~0036~0113~0042~10~1\r\n"
    "[GRIPV]\r\n"
    "BORDERSMASK=N/A\r\n"
    "[BUTTON_HUGE]\r\n"
    "BORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047\r\n"
    "[FORMTITLE]\r\n"
    "IMGTOPLEFT=!TL.BMP!1!1!2\r\n"
    "_IMGTOPLEFT=@0000@0000@0010@0010@1@0\r\n"
    "[Lower]\r\n"
    "bordersmask=^0001^0002^0031^0012^0001^0001^0001^0001^1^0^0^0\r\n"
    "[TEXTURES]\r\n"
    "BIG=big.jpg\r\n"
    "SMALL=SMALL.JPG\r\n";

Bytes Jpeg(const std::uint8_t* data, std::size_t size) { return Bytes(data, data + size); }

SkinFiles SampleSkin() {
  BmpLayout button;  // an 8-bit palette picture, as skins often hold
  button.width = 288;
  button.height = 192;
  button.bitCount = 8;
  for (int i = 0; i < 288 * 192; ++i) button.pixels.push_back(i % 7 == 0 ? kKeyColor : 0x336699);
  return SkinFiles{kOptions,
                   {{"ButtonHuge.bmp", MakeBmp(button)},
                    {"Master.bmp", PictureBmp(515, 100, [](int x, int) {
                       return x == 0 ? kKeyColor : x == 1 ? 0x808080 : 0x2040C0;
                     })},
                    {"tl.bmp", SolidBmp(30, 60, 0x0000FF)},
                    {"Big.jpg", Jpeg(kJpeg300x300, sizeof kJpeg300x300)},
                    {"Small.JPG", Jpeg(kJpeg299x300, sizeof kJpeg299x300)}}};
}

std::vector<int> Rect(const TsMaskData& m) { return {m.Left, m.Top, m.Right, m.Bottom}; }

class SkinLoaderTest : public ::testing::Test {
 protected:
  SkinLoadSettings Settings() {
    SkinLoadSettings s;
    s.Files = &files;
    return s;
  }
  MemoryFileSystem files;
  SkinModel model;
};

TEST_F(SkinLoaderTest, PackedSkinGivesEntriesInFileOrder) {
  files.AddFile(u"C:\\Skins\\Sample.vsz", SampleSkin().Packed());
  const auto outcome = LoadPackedSkinFile(model, u"C:\\Skins\\Sample.vsz", u"C:\\Skins\\", Settings());
  ASSERT_TRUE(outcome.Loaded());
  EXPECT_TRUE(model.Packed());
  EXPECT_EQ(model.SkinData().SkinPath, u"C:\\Skins\\");
  EXPECT_DOUBLE_EQ(model.SkinData().Version, 5.6);
  EXPECT_EQ(model.MasterBitmap().Width(), 515);
  EXPECT_EQ(model.Sections().size(), 9u);

  std::vector<std::string> order;
  for (const TsMaskData& m : model.Masks()) order.push_back(m.SectionName + "." + m.PropertyName);
  EXPECT_EQ(order, (std::vector<std::string>{
                       "GLOBALINFO.BOXCHECKED", "FORM.BORDERSMASK", "COMBOBOX.GLYPHMASK",
                       "GRIPH.PATTERN", "BUTTON_HUGE.BORDERSMASK", "FORMTITLE.IMGTOPLEFT",
                       "FORMTITLE._IMGTOPLEFT", "Lower.bordersmask",
                       "TEXTURES.SMALL"}))  // the small JPEG comes with the patterns
      << "no entry for N/A, none for the big JPEG";

  const TsMaskData& form = *model.Mask(model.FindOwnMask("FORM", "BORDERSMASK"));
  EXPECT_EQ(Rect(form), (std::vector<int>{0, 79, 514, 96}));
  EXPECT_EQ((std::vector<int>{form.ImageCount, form.MaskType, form.StretchMode, form.BorderWidth}),
            (std::vector<int>{2, 0, 1, 1}));
  EXPECT_EQ(form.Manager, &model);
  const TsMaskData& grip = *model.Mask(model.FindOwnMask("GRIPH", "PATTERN"));
  EXPECT_EQ(grip.ImgType, itisaTexture);
  EXPECT_EQ(grip.StretchMode, 10);
  const TsMaskData& huge = *model.Mask(model.FindOwnMask("BUTTON_HUGE", "BORDERSMASK"));
  EXPECT_EQ(huge.Image.Width(), 288);
  EXPECT_EQ(huge.Image.Format(), PixelFormat::Bgr24);
  EXPECT_EQ(Rect(huge), (std::vector<int>{0, 0, 288, 192}));
  EXPECT_EQ(huge.Image.GetColor(0, 0), kKeyColor);

  ASSERT_EQ(model.Patterns().size(), 1u);
  EXPECT_EQ(model.Patterns()[0].SectionName, "TEXTURES");
  EXPECT_EQ(model.Patterns()[0].PropertyName, "BIG");
  EXPECT_EQ(model.Patterns()[0].Image.Width(), 300);
  const TsMaskData& small = *model.Mask(model.FindOwnMask("TEXTURES", "SMALL"));
  EXPECT_EQ(small.ImgType, itisaTexture);
  EXPECT_EQ(small.ImageCount, 1);
  EXPECT_EQ(Rect(small), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(small.Image.Width(), 299);
}

TEST_F(SkinLoaderTest, LowerCaseReferencesAreFoundOnlyAsWritten) {
  files.AddFile(u"C:\\Skins\\Sample.vsz", SampleSkin().Packed());
  LoadPackedSkinFile(model, u"C:\\Skins\\Sample.vsz", u"C:\\Skins\\", Settings());
  EXPECT_GE(model.FindOwnMask("Lower", "bordersmask"), 0);
  EXPECT_EQ(model.FindOwnMask("LOWER", "BORDERSMASK"), -1);
  EXPECT_EQ(model.FindSection("LOWER"), -1);
  EXPECT_GE(model.FindSection("Lower"), 0);
}

TEST_F(SkinLoaderTest, FolderSkinLoadsTheSameAsItsArchive) {
  const SkinFiles skin = SampleSkin();
  skin.AddFolder(files, u"C:\\Skins\\Sample\\");
  files.AddFile(u"C:\\Skins\\Sample.vsz", skin.Packed());
  SkinModel packed;
  LoadPackedSkinFile(packed, u"C:\\Skins\\Sample.vsz", u"C:\\Skins\\", Settings());
  ASSERT_TRUE(LoadSkinFolder(model, u"C:\\Skins\\Sample\\", Settings()).Loaded());
  EXPECT_FALSE(model.Packed());
  EXPECT_EQ(model.SkinData().SkinPath, u"C:\\Skins\\Sample\\");
  ASSERT_EQ(model.Masks().size(), packed.Masks().size());
  for (std::size_t i = 0; i < model.Masks().size(); ++i) {
    EXPECT_EQ(model.Masks()[i].PropertyName, packed.Masks()[i].PropertyName);
    EXPECT_EQ(Rect(model.Masks()[i]), Rect(packed.Masks()[i]));
    EXPECT_EQ(model.Masks()[i].Image.Width(), packed.Masks()[i].Image.Width());
  }
  EXPECT_EQ(model.Patterns().size(), packed.Patterns().size());
}

TEST_F(SkinLoaderTest, InternalSkinDataIsReadInPlace) {
  TsStoredSkin stored;
  stored.Name = u"Ambrel (internal)";
  stored.Data = SampleSkin().Packed();
  const Bytes before = stored.Data;
  ASSERT_TRUE(LoadStoredSkin(model, stored, Settings()).Loaded());
  EXPECT_TRUE(model.Packed());
  EXPECT_EQ(model.SkinData().SkinPath, u"");
  EXPECT_EQ(model.Masks().size(), 9u);
  EXPECT_EQ(stored.Data, before);
}

TEST_F(SkinLoaderTest, AFailedLoadLeavesThePreviousSkin) {
  files.AddFile(u"C:\\Skins\\Good.vsz", SampleSkin().Packed());
  ASSERT_TRUE(LoadPackedSkinFile(model, u"C:\\Skins\\Good.vsz", u"C:\\Skins\\", Settings()).Loaded());
  const std::size_t masks = model.Masks().size();

  Bytes wrongMagic = SampleSkin().Packed();
  wrongMagic[3] = 'F';
  files.AddFile(u"C:\\Skins\\Magic.vsz", wrongMagic);
  const auto rejected = LoadPackedSkinFile(model, u"C:\\Skins\\Magic.vsz", u"X\\", Settings());
  EXPECT_EQ(rejected.Result, SkinLoadResult::NotPackedSkin);
  EXPECT_EQ(rejected.Message, "Loaded data is not packed VantileSkin file");

  Bytes damaged = SampleSkin().Packed();
  damaged[40] ^= 0xFF;  // inside the options entry's zlib stream
  files.AddFile(u"C:\\Skins\\Damaged.vsz", damaged);
  EXPECT_THROW(LoadPackedSkinFile(model, u"C:\\Skins\\Damaged.vsz", u"X\\", Settings()), ZlibError);

  SkinFiles bad = SampleSkin();
  bad.Options += "[BAD]\r\nBORDERSMASK=^0000^0000^0090^0060^0000^0000^0000^0000^0^0^0^0\r\n";
  files.AddFile(u"C:\\Skins\\Bad.vsz", bad.Packed());
  EXPECT_THROW(LoadPackedSkinFile(model, u"C:\\Skins\\Bad.vsz", u"X\\", Settings()), EDivByZero);

  files.AddFile(u"C:\\Skins\\NoOptions.vsz", Assemble({Entry("Master.bmp", SolidBmp(2, 2, 0))}));
  EXPECT_EQ(LoadPackedSkinFile(model, u"C:\\Skins\\NoOptions.vsz", u"X\\", Settings()).Result,
            SkinLoadResult::NoOptions);

  EXPECT_EQ(model.Masks().size(), masks);
  EXPECT_EQ(model.SkinData().SkinPath, u"C:\\Skins\\");
  EXPECT_GE(model.CachedIndexes().ComboBoxGlyph, 0);
}

TEST_F(SkinLoaderTest, ChoosingASkinByName) {
  TsStoredSkins internal(2);
  internal[0].Name = u"Ambrel (internal)";
  internal[0].Data = SampleSkin().Packed();
  internal[1].Name = u"Second";
  internal[1].Data = SampleSkin().Packed();
  SkinFiles folderSkin{"[GLOBALINFO]\r\nVERSION=2\r\n", {}};
  folderSkin.AddFolder(files, u"D:\\Prog\\Skins\\Plain\\");
  folderSkin.AddFolder(files, u"D:\\Prog\\Skins\\Both\\");
  files.AddFile(u"D:\\Prog\\Skins\\Both.vsz", SkinFiles{"[GLOBALINFO]\r\nVERSION=3\r\n", {}}.Packed());
  const SkinLocation where{u"D:\\Prog\\Skins", u"D:\\Prog\\", &internal};

  struct Case {
    std::u16string requested;
    SkinOrigin origin;
    std::u16string taken;
    double version;
  } cases[] = {
      {u"Both", SkinOrigin::PackedFile, u"Both", 3},  // a packed file comes first
      {u"Plain", SkinOrigin::Folder, u"Plain", 2},
      {u"Second", SkinOrigin::Internal, u"Second", 5.6},
      {u"second", SkinOrigin::Internal, u"Ambrel (internal)", 5.6},  // names match exactly
      {u"Nothing", SkinOrigin::Internal, u"Ambrel (internal)", 5.6},
  };
  for (const Case& c : cases) {
    const SkinChoice choice = LoadSkinByName(model, c.requested, where, Settings());
    EXPECT_EQ(choice.Origin, c.origin);
    EXPECT_EQ(choice.SkinName, c.taken);
    EXPECT_TRUE(choice.Outcome.Loaded());
    EXPECT_DOUBLE_EQ(model.SkinData().Version, c.version);
  }
  EXPECT_EQ(model.SkinData().SkinPath, u"") << "internal skins have no SkinPath";
  LoadSkinByName(model, u"Plain", where, Settings());
  EXPECT_EQ(model.SkinData().SkinPath, u"D:\\Prog\\Skins\\Plain\\");

  const TsStoredSkins none;
  const SkinChoice nothing = LoadSkinByName(model, u"Nothing", {u"D:\\Prog\\Skins", u"D:\\Prog\\", &none}, Settings());
  EXPECT_EQ(nothing.Origin, SkinOrigin::None);
  EXPECT_EQ(nothing.SkinName, u"");
}

TEST_F(SkinLoaderTest, CommonSectionsAddSectionsMasksAndPatterns) {
  files.AddFile(u"C:\\Skins\\Sample.vsz", SampleSkin().Packed());
  files.AddFile(u"C:\\Skins\\EXTRA.BMP", SolidBmp(12, 6, 0x00FF00));
  files.AddFile(u"C:\\Skins\\tiny.jpg", Jpeg(kJpeg299x300, sizeof kJpeg299x300));
  SkinLoadSettings settings = Settings();
  settings.CommonSections = NormalizeCommonSections({
      "[GLOBALINFO]", "IGNORED=extra.bmp",
      "[FORM]", "COLOR=1", "GLYPH=#g (1, 2, 3, 4) (1, 0, 0)",
      "[MYPANEL]", "PARENTCLASS=FORM", "BORDERSMASK=extra.bmp", "PATTERN=tiny.jpg",
      "MISSING=nothere.bmp"});
  ASSERT_TRUE(LoadPackedSkinFile(model, u"C:\\Skins\\Sample.vsz", u"C:\\Skins\\", settings).Loaded());
  const int panel = model.FindSection("MYPANEL");
  ASSERT_GE(panel, 0);
  EXPECT_EQ(model.Section(panel)->Color, model.Section(model.FindSection("FORM"))->Color);
  EXPECT_EQ(model.Section(model.FindSection("FORM"))->Color, 0xE7E7E7u) << "the skin's own wins";

  const TsMaskData* glyph = model.Mask(model.FindOwnMask("FORM", "GLYPH"));
  ASSERT_NE(glyph, nullptr) << "free form with a master bitmap";
  EXPECT_EQ(Rect(*glyph), (std::vector<int>{1, 2, 3, 4}));
  const TsMaskData* border = model.Mask(model.FindOwnMask("MYPANEL", "BORDERSMASK"));
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(border->Image.Width(), 12);
  EXPECT_EQ(border->ImageCount, 0) << "every other field 0";
  EXPECT_EQ(model.FindOwnMask("GLOBALINFO", "IGNORED"), -1);
  EXPECT_EQ(model.FindOwnMask("MYPANEL", "MISSING"), -1);
  EXPECT_GE(model.FindPattern(panel, "MYPANEL", "PATTERN"), 0) << "any size is a pattern here";
}

TEST_F(SkinLoaderTest, RecolouringLeavesKeyAndGreyPixels) {
  files.AddFile(u"C:\\Skins\\Sample.vsz", SampleSkin().Packed());
  SkinLoadSettings settings = Settings();
  settings.HueOffset = 120;
  settings.Saturation = -30;
  ASSERT_TRUE(LoadPackedSkinFile(model, u"C:\\Skins\\Sample.vsz", u"C:\\Skins\\", settings).Loaded());
  EXPECT_EQ(model.MasterBitmap().GetColor(0, 0), kKeyColor);
  EXPECT_EQ(model.MasterBitmap().GetColor(1, 0), 0x808080u);
  EXPECT_NE(model.MasterBitmap().GetColor(2, 0), 0x2040C0u);
  EXPECT_EQ(model.SkinData().Version, 5.6);
  const TsMaskData& huge = *model.Mask(model.FindOwnMask("BUTTON_HUGE", "BORDERSMASK"));
  EXPECT_EQ(huge.Image.GetColor(0, 0), kKeyColor);
  EXPECT_NE(huge.Image.GetColor(1, 0), 0x336699u);
}

TEST_F(SkinLoaderTest, StoredCollections) {
  TsStoredSkin stored;
  stored.Name = u"Kept";
  stored.Version = 4.5;
  stored.MasterBitmap = StoredPicture(PixelBuffer(40, 20, PixelFormat::Bgr24));
  TsSkinGeneral form;
  form.SectionName = "FORM";
  form.Color = 0xFF00000F;  // taken as written
  form.FontColor = "1 2 3 4 5";
  form.HotFontColor = "1 2 3";
  form.GradientData = "1;2;3;4;5";
  form.Transparency = 400;
  TsSkinGeneral broken;
  broken.SectionName = "BROKEN";
  broken.GradientData = "1;x;3;4;5";
  broken.Transparency = 12;
  stored.GeneralData = {form, broken};
  TsSkinImage rect;
  rect.SectionName = "form";
  rect.PropertyName = "bordersmask";
  rect.Right = 30;
  rect.Bottom = 12;
  TsSkinImage own;
  own.Name = "own";
  own.Image = StoredPicture(PixelBuffer(9, 6, PixelFormat::Bgra32));
  own.SectionName = "FORM";
  own.PropertyName = "PATTERN";
  own.ImageCount = 1;
  own.StretchMode = 6;
  own.ImgType = itisaBorder;
  stored.Images = {rect, own};
  TsSkinPattern first, second;
  first.Name = second.Name = "shared";
  second.Image = StoredPicture(PixelBuffer(3, 3, PixelFormat::Bgr24));
  stored.Patterns = {first, second};

  model.SkinData().BISpacing = 9;  // left over from an earlier skin
  ASSERT_TRUE(LoadStoredSkin(model, stored, Settings()).Loaded());
  EXPECT_FALSE(model.Packed());
  EXPECT_DOUBLE_EQ(model.SkinData().Version, 4.5);
  EXPECT_EQ(model.SkinData().BISpacing, 0);
  ASSERT_EQ(model.Sections().size(), 2u);
  const TsGeneralData& f = model.Sections()[0];
  EXPECT_EQ(f.Color, 0xFF00000Fu);
  EXPECT_EQ((std::vector<TColor>{f.FontColor, f.TCLeft, f.TCTop, f.TCRight, f.TCBottom}),
            (std::vector<TColor>{1, 2, 3, 4, 5}));
  EXPECT_EQ(f.HotFontColor, 0u);
  EXPECT_EQ(f.HotTCLeft, kNoContourColor);
  EXPECT_EQ(f.GradientArray.size(), 1u);
  EXPECT_EQ(f.Transparency, 100);
  EXPECT_EQ(model.Sections()[1].Transparency, 12) << "a failed item keeps what it had";

  const TsMaskData& r = *model.Mask(model.FindOwnMask("FORM", "BORDERSMASK"));
  EXPECT_EQ((std::vector<int>{r.ImageCount, r.MaskType, r.WL, r.WT}),
            (std::vector<int>{3, 1, 3, 2}));  // count 0 becomes 3 with a mask
  const TsMaskData& o = *model.Mask(model.FindOwnMask("FORM", "PATTERN"));
  EXPECT_EQ(o.ImgType, itisaTexture);
  EXPECT_EQ(o.StretchMode, 0) << "a pattern key of a non-texture item";
  EXPECT_EQ(o.Image.Format(), PixelFormat::Bgr24);
  EXPECT_EQ(Rect(o), (std::vector<int>{0, 0, 9, 6}));
  ASSERT_EQ(model.Patterns().size(), 2u);
  EXPECT_EQ(model.Patterns()[0].Image.Width(), 3) << "borrowed from its namesake";
}

class CollectingReport : public LoadReport {
 public:
  void Fault(std::string_view section, std::string_view key, std::string_view text,
             bool failsLoad) override {
    faults.push_back(std::string(section) + "." + std::string(key) + (failsLoad ? " ! " : " ? ") +
                     std::string(text));
  }
  std::vector<std::string> faults;
};

TEST_F(SkinLoaderTest, AReportCollectsEveryFaultAndLoadingGoesOn) {
  SkinFiles skin = SampleSkin();
  skin.Options +=
      "[BAD]\r\n"
      "A=^0000^0000^0090^0060^0000^0000^0000^0000^0^0^0^0\r\n"
      "B=^00x0\r\n"
      "C=!GONE.BMP!1!0!0\r\n"
      "D=1;2;x;4;5\r\n"
      "GRADIENTDATA=1;2;x;4;5\r\n"
      "E=!TL.BMP!1!0!9\r\n";
  files.AddFile(u"C:\\Skins\\Bad.vsz", skin.Packed());
  CollectingReport report;
  SkinLoadSettings settings = Settings();
  settings.Report = &report;
  ASSERT_TRUE(LoadPackedSkinFile(model, u"C:\\Skins\\Bad.vsz", u"C:\\Skins\\", settings).Loaded());
  EXPECT_EQ(report.faults, (std::vector<std::string>{
                               "BAD.A ! Division by zero",
                               "BAD.B ! '00x0' is not a valid integer value",
                               "BAD.C ? picture \"GONE.BMP\" not found",
                               "BAD.E ? image type must be 0, 1 or 2",
                               "BAD.GRADIENTDATA ! 'x' is not a valid integer value"}));
  EXPECT_GE(model.FindOwnMask("BAD", "E"), 0);
}

}  // namespace
}  // namespace folvane
