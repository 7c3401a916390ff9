// Section records: keys, defaults, inheritance, GLOBALINFO and the common
// sections.

#include <gtest/gtest.h>

#include "skin/CommonSections.h"
#include "skin/SectionLoader.h"
#include "skin/SkinErrors.h"

namespace folvane {
namespace {

TsGeneralDataArray Sections(const char* text, const SystemColors& colors = ClassicSystemColors()) {
  return ReadSections(OptionsFile::Parse(text), colors);
}

const TsGeneralData& Named(const TsGeneralDataArray& all, const std::string& name) {
  for (const TsGeneralData& s : all)
    if (s.SectionName == name) return s;
  throw std::logic_error("no section " + name);
}

TEST(SectionLoader, EveryKeyReadsIntoItsField) {
  const auto all = Sections(
      "[BUTTON]\n"
      "COLOR=1\nBEVEL=2\nFONTCOLOR=3\nTCLEFT=4\nTCTOP=5\nTCRIGHT=6\nTCBOTTOM=7\n"
      "HOTFONTCOLOR=8\nHOTTCLEFT=9\nHOTTCTOP=10\nHOTTCRIGHT=11\nHOTTCBOTTOM=12\n"
      "GIVEOWNFONT=TRUE\nRESERVEDBOOLEAN=true\nSHADOWBLUR=13\nSHADOWCOLOR=14\n"
      "SHADOWENABLED=True\nSHADOWOFFSET=15\nSHADOWTRANSPARENCY=16\nTRANSPARENCY=17\n"
      "GRADIENTPERCENT=18\nGRADIENTDATA=1;2;3;4;5\nIMAGEPERCENT=19\nSHOWFOCUS=TRUE\n"
      "FADINGENABLED=TRUE\nFADINGINTERVALIN=20\nFADINGINTERVALOUT=21\nFADINGITERATIONS=22\n"
      "HOTCOLOR=23\nHOTTRANSPARENCY=24\nHOTBEVEL=4\nHOTGRADIENTPERCENT=25\n"
      "HOTGRADIENTDATA=6;7;8;9;10;11;12;13;14;15\nHOTIMAGEPERCENT=26\n"
      "BORDERCOLOR1=27\nBORDERCOLOR2=28\nPARENTCLASS=\n");
  const TsGeneralData& s = all.at(0);
  EXPECT_EQ(s.SectionName, "BUTTON");
  EXPECT_EQ(s.ParentClass, "");
  EXPECT_EQ(s.Color, 1u);
  EXPECT_EQ(s.Bevel, cbLoweredSoft);
  const TColor colours[] = {s.FontColor, s.TCLeft, s.TCTop, s.TCRight, s.TCBottom,
                            s.HotFontColor, s.HotTCLeft, s.HotTCTop, s.HotTCRight,
                            s.HotTCBottom};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(colours[i], static_cast<TColor>(i + 3));
  EXPECT_TRUE(s.GiveOwnFont && s.ReservedBoolean && s.ShadowEnabled && s.ShowFocus &&
              s.FadingEnabled);
  EXPECT_EQ(s.ShadowBlur, 13);
  EXPECT_EQ(s.ShadowColor, 14u);
  EXPECT_EQ(s.ShadowOffset, 15);
  EXPECT_EQ(s.ShadowTransparency, 16);
  EXPECT_EQ(s.Transparency, 17);
  EXPECT_EQ(s.GradientPercent, 18);
  EXPECT_EQ(s.GradientData, "1;2;3;4;5");
  EXPECT_EQ(s.GradientArray.size(), 1u);
  EXPECT_EQ(s.ImagePercent, 19);
  EXPECT_EQ(s.FadingIntervalIn, 20);
  EXPECT_EQ(s.FadingIntervalOut, 21);
  EXPECT_EQ(s.FadingIterations, 22);
  EXPECT_EQ(s.HotColor, 23u);
  EXPECT_EQ(s.HotTransparency, 24);
  EXPECT_EQ(s.HotBevel, cbLoweredHard);
  EXPECT_EQ(s.HotGradientPercent, 25);
  EXPECT_EQ(s.HotGradientArray.size(), 2u);
  EXPECT_EQ(s.HotImagePercent, 26);
  EXPECT_EQ(s.BorderColor1, 27u);
  EXPECT_EQ(s.BorderColor2, 28u);
}

TEST(SectionLoader, DefaultsOfAnEmptySection) {
  const TsGeneralData s = Sections("[X]\n").at(0);
  EXPECT_EQ(s.Color, 0xFFFFFFu);
  EXPECT_EQ(s.HotColor, 0xFFFFFFu);
  EXPECT_EQ(s.TCLeft, kNoContourColor);
  EXPECT_EQ(s.HotTCBottom, kNoContourColor);
  EXPECT_EQ(s.ShadowBlur, 6);
  EXPECT_EQ(s.ShadowOffset, 3);
  EXPECT_EQ(s.ShadowTransparency, 50);
  EXPECT_EQ(s.FadingIntervalIn, 5);
  EXPECT_EQ(s.FadingIterations, 5);
  EXPECT_EQ(s.GradientData, " ");
  EXPECT_TRUE(s.GradientArray.empty());
  EXPECT_EQ(s.HotGradientData, "");
  EXPECT_FALSE(s.FadingEnabled);
}

TEST(SectionLoader, InheritanceThroughParentClass) {
  const auto all = Sections(
      "[BASE]\nCOLOR=100\nFADINGENABLED=TRUE\nSHADOWCOLOR=9\nGRADIENTDATA=1;2;3;4;5\n"
      "[MIDDLE]\nPARENTCLASS=base\nTRANSPARENCY=40\n"
      "[LEAF]\nPARENTCLASS=MIDDLE\nCOLOR=-1\nTRANSPARENCY=junk\n"
      "[ORPHAN]\nPARENTCLASS=NOSUCH\nCOLOR=-1\n"
      "[SELF]\nPARENTCLASS=SELF\nCOLOR=-1\n"
      "[LOOPA]\nPARENTCLASS=LOOPB\n"
      "[LOOPB]\nPARENTCLASS=loopa\nCOLOR=-1\n"
      "[CASELOOP]\nPARENTCLASS=caseloop\n"
      "[QUESTION]\nPARENTCLASS=BASE\nFADINGENABLED=?\n");
  const TsGeneralData& leaf = Named(all, "LEAF");
  EXPECT_EQ(leaf.ParentClass, "MIDDLE");
  EXPECT_EQ(leaf.Color, 100u) << "-1 counts as absent, two levels up";
  EXPECT_EQ(leaf.Transparency, 40) << "a value that is not a number inherits too";
  EXPECT_TRUE(leaf.FadingEnabled);
  EXPECT_EQ(leaf.GradientArray.size(), 1u);
  EXPECT_EQ(leaf.ShadowColor, 0u) << "SHADOWCOLOR never inherits";
  EXPECT_EQ(Named(all, "ORPHAN").Color, 0xFFFFFFu);
  EXPECT_EQ(Named(all, "SELF").Color, 0xFFFFFFu);
  EXPECT_EQ(Named(all, "LOOPA").Color, 0xFFFFFFu) << "a loop ends as absent";
  EXPECT_EQ(Named(all, "LOOPB").Color, 0xFFFFFFu);
  EXPECT_EQ(Named(all, "CASELOOP").Color, 0xFFFFFFu);
  EXPECT_TRUE(Named(all, "QUESTION").FadingEnabled) << "\"?\" is the absent marker";
}

TEST(SectionLoader, LongParentChainsStayLinear) {
  std::string text;
  const int kLevels = 5000;
  for (int i = 0; i < kLevels; ++i)
    text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i + 1) + "\n";
  text += "[S" + std::to_string(kLevels) + "]\nCOLOR=42\nPARENTCLASS=S0\n";
  const auto all = Sections(text.c_str());
  EXPECT_EQ(all.front().Color, 42u);
  EXPECT_EQ(all.back().Color, 42u);
}

TEST(SectionLoader, SystemColoursResolveOnlyInColor) {
  SystemColorTable colors;
  colors.Set(kSysColorButtonFace, 0x123456);
  const TsGeneralData s =
      Sections("[X]\nCOLOR=-16777201\nHOTCOLOR=0xFF00000F\nFONTCOLOR=0xFF00000F\n", colors).at(0);
  EXPECT_EQ(s.Color, 0x123456u);
  EXPECT_EQ(s.HotColor, 0xFF00000Fu);
  EXPECT_EQ(s.FontColor, 0xFF00000Fu);
}

TEST(SectionLoader, RangesAreClampedWhenStored) {
  const TsGeneralData s = Sections(
      "[X]\nTRANSPARENCY=250\nHOTTRANSPARENCY=-5\nGRADIENTPERCENT=101\nIMAGEPERCENT=-2\n"
      "SHADOWTRANSPARENCY=1000\nBEVEL=9\nHOTBEVEL=-3\n").at(0);
  EXPECT_EQ(s.Transparency, 100);
  EXPECT_EQ(s.HotTransparency, 0);
  EXPECT_EQ(s.GradientPercent, 100);
  EXPECT_EQ(s.ImagePercent, 0);
  EXPECT_EQ(s.ShadowTransparency, 100);
  EXPECT_EQ(s.Bevel, cbLoweredHard);
  EXPECT_EQ(s.HotBevel, cbNone);
}

TEST(SectionLoader, GradientThatIsNotNumbersFailsTheLoad) {
  EXPECT_THROW(Sections("[X]\nGRADIENTDATA=1;2;red;4;5\n"), EConvertError);
  EXPECT_THROW(Sections("[X]\nHOTGRADIENTDATA=1;2;3;4.0;5\n"), EConvertError);
}

TEST(SkinData, GlobalInfo) {
  const OptionsFile o = OptionsFile::Parse(
      "[globalinfo]\nVERSION=5.6\nAUTHOR=Someone\nDESCRIPTION=\nSHADOW1COLOR=4539717\n"
      "SHADOW1OFFSET=1\nSHADOW1BLUR=2\nBISPACE=-1\nBIVALIGN=1\nBORDERCOLOR=14078931\n");
  TsSkinData d;
  d.SkinPath = u"kept\\";
  ReadSkinData(o, d);
  EXPECT_EQ(d.SkinPath, u"kept\\");
  EXPECT_DOUBLE_EQ(d.Version, 5.6);
  EXPECT_EQ(d.Author, "Someone");
  EXPECT_EQ(d.Shadow1Color, 4539717u);
  EXPECT_EQ(d.Shadow1Offset, 1);
  EXPECT_EQ(d.Shadow1Blur, 2);
  EXPECT_EQ(d.Shadow1Transparency, 0);
  EXPECT_EQ(d.BISpacing, -1);
  EXPECT_EQ(d.BIVAlign, 1);
  EXPECT_EQ(d.BorderColor, 14078931u);

  TsSkinData defaults;
  ReadSkinData(OptionsFile::Parse("[GLOBALINFO]\nVERSION=five\nBISPACE=x\n"), defaults);
  EXPECT_EQ(defaults.Version, 0.0);
  EXPECT_EQ(defaults.Shadow1Blur, -1);
  EXPECT_EQ(defaults.BISpacing, 0);
}

TEST(SkinData, StrictShadowValues) {
  for (const char* line : {"SHADOW1OFFSET=1.5", "SHADOW1BLUR=", "SHADOW1TRANSPARENCY=x"}) {
    TsSkinData d;
    EXPECT_THROW(ReadSkinData(OptionsFile::Parse(std::string("[GLOBALINFO]\n") + line), d),
                 EConvertError)
        << line;
  }
}

TEST(CommonSections, NormalizingRemovesBlanksExceptInComments) {
  EXPECT_EQ(NormalizeCommonSections({" [ MY SECTION ] ", "; keep  this", "", "A = 1 2"}),
            (std::vector<std::string>{"[MYSECTION]", "; keep  this", "", "A=12"}));
}

TEST(CommonSections, AddsOnlyMissingSections) {
  TsGeneralDataArray records = Sections("[FORM]\nCOLOR=5\nTRANSPARENCY=30\n[form2]\n");
  const OptionsFile common = OptionsFile::FromCommonLines(NormalizeCommonSections({
      "[FORM]", "COLOR=7",                                   // exists: ignored
      "[MYPANEL]", "PARENTCLASS=form", "COLOR=-1", "FONTCOLOR=0xFF00000F",
      "[LONE]", "TRANSPARENCY=x", "GRADIENTDATA=1;2;3;4;5",
      "[CHILD]", "PARENTCLASS=MYPANEL", "SHADOWCOLOR=3",
  }));
  AddCommonSections(common, records);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].Color, 5u);
  const TsGeneralData& panel = records[2];
  EXPECT_EQ(panel.SectionName, "MYPANEL");
  EXPECT_EQ(panel.ParentClass, "FORM");
  EXPECT_EQ(panel.Color, 5u) << "-1 takes the parent's value";
  EXPECT_EQ(panel.Transparency, 30);
  EXPECT_EQ(panel.FontColor, 0xFF00000Fu) << "colours stay as written";
  const TsGeneralData& lone = records[3];
  EXPECT_EQ(lone.ParentClass, "-1");
  EXPECT_EQ(lone.Transparency, 0) << "no parent: the default";
  EXPECT_EQ(lone.GradientArray.size(), 1u);
  const TsGeneralData& child = records[4];
  EXPECT_EQ(child.Color, 5u) << "a common parent appended earlier counts";
  EXPECT_EQ(child.ShadowColor, 3u);
  EXPECT_EQ(panel.ShadowColor, 0u);
}

}  // namespace
}  // namespace folvane
