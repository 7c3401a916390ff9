// The internal skin as the program has it: the main form's manager reads
// the packed archive from the program's resources at start-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/FrmMain.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class InternalSkin : public ::testing::Test {
 protected:
  void SetUp() override { form = new TForm1(Application); }
  void TearDown() override { delete form; }
  const SkinModel& Model() const { return form->sSkinManager1->Model(); }
  const TsGeneralData& Section(const char* name) const {
    const int i = Model().FindSection(name);
    EXPECT_GE(i, 0) << name;
    static const TsGeneralData none;
    return i >= 0 ? *Model().Section(i) : none;
  }
  const TsMaskData* Mask(const char* section, const char* property) const {
    return Model().Mask(Model().FindOwnMask(section, property));
  }
  TForm1* form = nullptr;
};

TEST_F(InternalSkin, TheMainFormLoadsItFromTheProgramAndMakesItTheDefault) {
  TsSkinManager* manager = form->sSkinManager1;
  EXPECT_EQ(TsSkinManager::PrimaryManager(), manager);
  EXPECT_EQ(manager->SkinName(), L"Ambrel (internal)");
  EXPECT_EQ(manager->SkinInfo(), L"5.6");
  EXPECT_TRUE(manager->Packed());
  EXPECT_TRUE(manager->SkinActive());
  ASSERT_EQ(manager->InternalSkins().size(), 1u);
  EXPECT_EQ(manager->InternalSkins()[0].Name, u"Ambrel (internal)");
  EXPECT_EQ(manager->InternalSkins()[0].Shadow1Color, 0u);
}

TEST_F(InternalSkin, SectionsInTheirOrderWithoutParents) {
  const std::vector<std::string> expected{
      "GLOBALINFO", "DIVIDER", "EDIT", "GRIPH", "GRIPV", "GROUPBOX", "ICOLINE", "HINT",
      "MAINMENU", "MDIAREA", "MENUITEM", "MENULINE", "PANEL", "PANEL_LOW", "PROGRESSH",
      "STATUSBAR", "TABCONTROL", "FORM", "DIVIDERV", "GAUGE", "COMBOBOX", "VANTILEEDIT",
      "SPLITTER", "SCROLLBAR1V", "SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBAR2V", "SCROLLSLIDERV",
      "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "SCROLLBTNLEFT", "COMBOBTN",
      "PROGRESSV", "BUTTON", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "RADIOBUTTON",
      "TRACKBAR", "TABTOP", "UPDOWNBTN", "WEBBUTTON", "BARTITLE", "BARPANEL", "VANTILECOMBOBOX",
      "TOOLBUTTON", "COLHEADER", "BUTTON_HUGE", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT",
      "PAGECONTROLRIGHT", "TABBOTTOM", "TABLEFT", "TABRIGHT", "BUTTON_BIG", "DIALOG",
      "SCROLLSLIDERH", "EXTRALINE", "TOOLBAR", "PAGECONTROL", "FORMTITLE", "BAR", "DRAGBAR"};
  std::vector<std::string> names;
  for (const auto& section : Model().Sections()) {
    names.push_back(section.SectionName);
    EXPECT_EQ(section.ParentClass, "") << section.SectionName;
  }
  EXPECT_EQ(names, expected);
}

TEST_F(InternalSkin, TellingValuesOfTheSectionsAndTheSkinData) {
  const TsSkinData& data = Model().SkinData();
  EXPECT_DOUBLE_EQ(data.Version, 5.6);
  EXPECT_EQ(data.Shadow1Offset, 1);
  EXPECT_EQ(data.Shadow1Blur, 2);
  EXPECT_EQ(data.Shadow1Transparency, 0);
  EXPECT_EQ(data.Shadow1Color, 4539717u);
  EXPECT_EQ(data.BorderColor, 14078931u);
  EXPECT_EQ(data.BISpacing, -1);
  EXPECT_EQ(data.BIVAlign, 1);

  const TsGeneralData& global = Section("GLOBALINFO");
  EXPECT_EQ(global.Color, 0xF0F0F0u);
  EXPECT_EQ(global.HotColor, 0xFFFFFFu);
  EXPECT_EQ(global.TCLeft, 0xFFFFFFu);
  EXPECT_EQ(global.TCTop, kNoContourColor);
  EXPECT_EQ(Section("FORM").Color, 0xE7E7E7u);
  EXPECT_EQ(Section("FORM").HotColor, 0xE7E7E7u);
  EXPECT_EQ(Section("EDIT").Color, 0xFFFFFFu);
  EXPECT_EQ(Section("EDIT").HotColor, 0xFFFFFFu);

  const TsGeneralData& button = Section("BUTTON");
  EXPECT_EQ(button.Transparency, 100);
  EXPECT_EQ(button.HotTransparency, 100);
  EXPECT_TRUE(button.FadingEnabled);
  EXPECT_EQ(button.FadingIterations, 20);
  EXPECT_EQ(button.FadingIntervalIn, 5);
  EXPECT_EQ(button.FadingIntervalOut, 5);

  EXPECT_EQ(Section("MAINMENU").GradientArray.size(), 5u);
  EXPECT_EQ(Section("MAINMENU").GradientPercent, 100);
  const TsGeneralData& title = Section("FORMTITLE");
  EXPECT_EQ(title.FontColor, 8421503u);
  EXPECT_EQ(title.HotFontColor, 0xFFFFFFu);
  for (TColor c : {title.HotTCLeft, title.HotTCTop, title.HotTCRight, title.HotTCBottom})
    EXPECT_EQ(c, 6968878u);
}

TEST_F(InternalSkin, ImageReferencesOfTheWorkedExample) {
  EXPECT_EQ(Model().MasterBitmap().Width(), 515);
  EXPECT_EQ(Model().MasterBitmap().Height(), 100);

  const TsMaskData* frame = Mask("FORM", "BORDERSMASK");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(std::vector<int>({frame->Left, frame->Top, frame->Right, frame->Bottom}),
            std::vector<int>({0, 79, 514, 96}));
  EXPECT_EQ(frame->ImageCount, 2);
  EXPECT_EQ(frame->MaskType, 0);
  EXPECT_EQ(frame->StretchMode, 1);
  EXPECT_EQ(frame->BorderWidth, 1);
  EXPECT_EQ(std::vector<int>({frame->WL, frame->WT, frame->WR, frame->WB}),
            std::vector<int>({4, 4, 4, 4}));

  const TsMaskData* glyph = Mask("COMBOBOX", "GLYPHMASK");
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(std::vector<int>({glyph->Left, glyph->Top, glyph->Right, glyph->Bottom}),
            std::vector<int>({114, 37, 121, 41}));

  const TsMaskData* grip = Mask("GRIPH", "PATTERN");
  ASSERT_NE(grip, nullptr);
  EXPECT_EQ(grip->ImgType, itisaTexture);
  EXPECT_EQ(grip->StretchMode, 10);
  EXPECT_EQ(grip->MaskType, 1);

  const TsMaskData* huge = Mask("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_NE(huge, nullptr);
  EXPECT_EQ(huge->Image.Width(), 288);
  EXPECT_EQ(huge->Image.Height(), 192);

  EXPECT_EQ(Mask("GRIPV", "BORDERSMASK"), nullptr);
  EXPECT_NE(Mask("FORMTITLE", "IMGTOPLEFT"), nullptr);
}

}  // namespace
