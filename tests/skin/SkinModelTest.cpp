// Lookups of the skin model: sections, masks through parent classes,
// slice widths and state sizes, the global colours and cached indexes.

#include <gtest/gtest.h>

#include "skin/SkinModel.h"

namespace folvane {
namespace {

TsGeneralData Section(const char* name, const char* parent = "") {
  TsGeneralData s;
  s.SectionName = name;
  s.ParentClass = parent;
  return s;
}

TsMaskData Mask(const char* section, const char* property, TvtImgType type = itisaBorder) {
  TsMaskData m;
  m.SectionName = section;
  m.PropertyName = property;
  m.ImgType = type;
  return m;
}

// Masks are move-only (they may own a picture).
template <typename... Masks>
TsMaskArray MaskList(Masks&&... masks) {
  TsMaskArray list;
  (list.push_back(std::forward<Masks>(masks)), ...);
  return list;
}

class SkinModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SkinContents skin;
    skin.Sections = {Section("BASE"),          Section("MIDDLE", "BASE"),
                     Section("LEAF", "MIDDLE"), Section("SELF", "SELF"),
                     Section("LOOPA", "LOOPB"), Section("LOOPB", "LOOPA"),
                     Section("ORPHAN", "NOSUCH"), Section("BASE")};
    skin.Masks = MaskList(Mask("BASE", "BORDERSMASK"), Mask("MIDDLE", "PATTERN"),
                          Mask("BASE", "PATTERN", itisaTexture), Mask("LEAF", "GLYPHMASK"),
                          Mask("LEAF", "GLYPHMASK"), Mask("SELF", "X"));
    skin.Patterns.push_back(TsPatternData{PixelBuffer(), "BASE", "PATTERN"});
    model.Assign(std::move(skin));
  }
  SkinModel model;
};

TEST_F(SkinModelTest, FindMaskFollowsParentClasses) {
  const int leaf = model.FindSection("LEAF");
  struct Case {
    int sectionIndex;
    const char* section;
    const char* property;
    int mask;
  } cases[] = {
      {leaf, "LEAF", "BORDERSMASK", 0},  // two levels up
      {leaf, "LEAF", "PATTERN", 1},      // the nearest level wins
      {leaf, "LEAF", "GLYPHMASK", 3},    // the first of two equal entries
      {leaf, "LEAF", "NONE", -1},
      {model.FindSection("SELF"), "SELF", "BORDERSMASK", -1},
      {model.FindSection("LOOPA"), "LOOPA", "BORDERSMASK", -1},
      {model.FindSection("ORPHAN"), "ORPHAN", "BORDERSMASK", -1},
      {-1, "BASE", "BORDERSMASK", -1},
      {leaf, "", "BORDERSMASK", -1},
      {999, "BASE", "BORDERSMASK", 0},  // found before the index is needed
      {999, "LEAF", "BORDERSMASK", -1},
      {leaf, "leaf", "GLYPHMASK", -1},  // names compare exactly
  };
  for (const Case& c : cases)
    EXPECT_EQ(model.FindMask(c.sectionIndex, c.section, c.property), c.mask)
        << c.section << "." << c.property;
}

TEST_F(SkinModelTest, RelatedLookups) {
  const int leaf = model.FindSection("LEAF");
  EXPECT_EQ(model.FindSection("BASE"), 0) << "the first section of a name";
  EXPECT_EQ(model.FindSection("base"), -1);
  EXPECT_EQ(model.FindOwnMask("LEAF", "BORDERSMASK"), -1) << "no parent step";
  EXPECT_EQ(model.FindOwnMask("BASE", "BORDERSMASK"), 0);
  EXPECT_EQ(model.FindTextureMask(leaf, "LEAF", "PATTERN"), 2) << "skips the border";
  EXPECT_EQ(model.FindTextureMask(model.FindSection("LOOPB"), "LOOPB", "PATTERN"), -1);
  EXPECT_EQ(model.FindPattern(leaf, "LEAF", "PATTERN"), 0);
  EXPECT_EQ(model.FindPattern(leaf, "LEAF", "HOTPATTERN"), -1);

  EXPECT_TRUE(model.SectionIndexValid(7));
  EXPECT_FALSE(model.SectionIndexValid(8));
  EXPECT_FALSE(model.SectionIndexValid(-1));
  EXPECT_TRUE(model.MaskIndexValid(5));
  EXPECT_FALSE(model.MaskIndexValid(6));
  EXPECT_EQ(model.Section(-1), nullptr);
  EXPECT_EQ(model.Mask(6), nullptr);
  EXPECT_EQ(model.Mask(0)->Manager, &model);
}

TEST(SkinModel, SliceWidthsAndStateSizesNeverDivideByZero) {
  struct Case {
    int l, t, r, b, count, maskType, border, wl, wt;
    int left, top;     // SliceWidthLeft, SliceWidthTop
    int stateX, stateY;
  } cases[] = {
      {0, 0, 90, 60, 3, 1, 0, 0, 0, 10, 10, 30, 30},
      {0, 0, 90, 60, 3, 1, 0, 7, 8, 7, 8, 30, 30},
      {0, 0, 90, 60, 3, 1, 4, 0, 0, 4, 4, 30, 30},
      {0, 0, 90, 60, 0, 0, 0, 0, 0, 30, 20, 90, 60},   // ImageCount 0 counts as 1
      {0, 0, 90, 60, 3, -1, 0, 0, 0, 10, 20, 30, 60},  // MaskType -1 counts as 0
      {0, 0, 90, 60, -2, -5, 0, 0, 0, 30, 20, 90, 60},
      {10, 10, 5, 5, 1, 0, 0, -3, 0, -1, -1, -5, -5},  // inverted: negative, not a fault
  };
  for (const Case& c : cases) {
    SkinContents skin;
    TsMaskData m;
    m.Left = c.l, m.Top = c.t, m.Right = c.r, m.Bottom = c.b;
    m.ImageCount = c.count, m.MaskType = c.maskType, m.BorderWidth = c.border;
    m.WL = m.WR = c.wl;
    m.WT = m.WB = c.wt;
    skin.Masks.push_back(std::move(m));
    SkinModel model;
    model.Assign(std::move(skin));
    EXPECT_EQ(model.SliceWidthLeft(0), c.left);
    EXPECT_EQ(model.SliceWidthRight(0), c.left);
    EXPECT_EQ(model.SliceWidthTop(0), c.top);
    EXPECT_EQ(model.SliceWidthBottom(0), c.top);
    EXPECT_EQ(model.MaskStateSize(0).x, c.stateX);
    EXPECT_EQ(model.MaskStateSize(0).y, c.stateY);
    EXPECT_EQ(model.SliceWidthLeft(1), 0);
    EXPECT_EQ(model.MaskStateSize(-1).x, 0);
  }
  SkinContents own;
  own.Masks.push_back(TsMaskData());
  own.Masks[0].Image = PixelBuffer(96, 40, PixelFormat::Bgr24);
  SkinModel model;
  model.Assign(std::move(own));
  EXPECT_EQ(model.MaskStateSize(0).x, 32) << "an own picture: thirds and halves";
  EXPECT_EQ(model.MaskStateSize(0).y, 20);
}

TEST(SkinModel, GlobalColours) {
  SystemColorTable colors;
  colors.Set(kSysColorButtonFace, 0x010203);
  colors.Set(8, 0x0A0B0C);
  SkinModel model(colors);
  EXPECT_EQ(model.GlobalBackColor(), 0x010203u) << "no skin: the button face";
  EXPECT_EQ(model.GlobalTextColor(), kKeyColor);

  SkinContents skin;
  skin.Sections.push_back(Section("GLOBALINFO"));
  skin.Sections[0].Color = 0x00F0F0F0;
  skin.Sections[0].FontColor = 0xFF000008;
  model.Assign(std::move(skin));
  EXPECT_EQ(model.GlobalBackColor(), 0xF0F0F0u);
  EXPECT_EQ(model.GlobalTextColor(), 0x0A0B0Cu);
}

TEST(SkinModel, VersionText) {
  EXPECT_EQ(SkinVersionText(5.6), "5.6");
  EXPECT_EQ(SkinVersionText(5), "5");
  EXPECT_EQ(SkinVersionText(0), "0");
}

TEST(SkinModel, CachedIndexesFollowTheSkin) {
  SkinContents skin;
  skin.Sections = {Section("GLOBALINFO"), Section("SCROLLBTNTOP"), Section("COMBOBTN"),
                   Section("TABLEFT", "SCROLLBTNTOP")};
  skin.Masks = MaskList(Mask("GLOBALINFO", "BOXCHECKED"), Mask("SCROLLBTNTOP", "BORDERSMASK"),
                        Mask("SCROLLBTNTOP", "HOTPATTERN"), Mask("COMBOBTN", "PATTERN"),
                        Mask("COMBOBTN", "HOTPATTERN", itisaTexture),
                        Mask("COMBOBOX", "GLYPHMASK"));
  skin.SkinData.Version = 7;
  SkinModel model;
  model.Assign(std::move(skin));
  const SkinCachedIndexes& x = model.CachedIndexes();
  EXPECT_EQ(x.GlobalInfo, 0);
  EXPECT_EQ(x.CheckBoxChecked, 0);
  EXPECT_EQ(x.RadioChecked, -1);
  EXPECT_EQ(x.ScrollBtnTop, 1);
  EXPECT_EQ(x.ScrollBtnTopBorder, 1);
  EXPECT_EQ(x.ScrollBtnTopHotPattern, 2);
  EXPECT_EQ(x.ScrollBtnTopGlyph, -1);
  EXPECT_EQ(x.TabLeftBorder, 1) << "through its parent class";
  EXPECT_EQ(x.ComboBtn, 2);
  EXPECT_EQ(x.ComboBtnPattern, -1) << "only texture masks count";
  EXPECT_EQ(x.ComboBtnHotPattern, 4);
  EXPECT_EQ(x.ComboBoxGlyph, 5) << "a mask of a section the skin lacks";
  EXPECT_EQ(x.ScrollSliderV, -1);

  model.Clear();
  EXPECT_FALSE(model.Loaded());
  EXPECT_EQ(model.CachedIndexes().GlobalInfo, -1);
  EXPECT_EQ(model.CachedIndexes().ComboBoxGlyph, -1);
  EXPECT_EQ(model.FindSection("GLOBALINFO"), -1);
  EXPECT_EQ(model.SkinData().Version, 7) << "skin-wide data outlives the arrays";
}

}  // namespace
}  // namespace folvane
