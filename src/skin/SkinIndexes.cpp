#include "skin/SkinIndexes.h"

#include <string>

#include "skin/SkinModel.h"

namespace folvane {

namespace {

// A section with its border, pattern, hot-pattern and glyph masks.
struct SectionMasks {
  int* Section;
  int* Border;
  int* Pattern;
  int* HotPattern;
  int* Glyph;
};

void Lookup(const SkinModel& m, const char* name, const SectionMasks& out) {
  const int s = m.FindSection(name);
  *out.Section = s;
  if (out.Border) *out.Border = m.FindMask(s, name, "BORDERSMASK");
  if (out.Pattern) *out.Pattern = m.FindMask(s, name, "PATTERN");
  if (out.HotPattern) *out.HotPattern = m.FindMask(s, name, "HOTPATTERN");
  if (out.Glyph) *out.Glyph = m.FindMask(s, name, "GLYPHMASK");
}

void LookupTabs(const SkinModel& m, SkinCachedIndexes& x) {
  Lookup(m, "TABTOP", {&x.TabTop, &x.TabTopBorder, nullptr, nullptr, nullptr});
  Lookup(m, "TABBOTTOM", {&x.TabBottom, &x.TabBottomBorder, nullptr, nullptr, nullptr});
  Lookup(m, "TABLEFT", {&x.TabLeft, &x.TabLeftBorder, nullptr, nullptr, nullptr});
  Lookup(m, "TABRIGHT", {&x.TabRight, &x.TabRightBorder, nullptr, nullptr, nullptr});
}

void LookupScrollButtons(const SkinModel& m, SkinCachedIndexes& x) {
  Lookup(m, "SCROLLBTNTOP", {&x.ScrollBtnTop, &x.ScrollBtnTopBorder, &x.ScrollBtnTopPattern,
                             &x.ScrollBtnTopHotPattern, &x.ScrollBtnTopGlyph});
  Lookup(m, "SCROLLBTNBOTTOM",
         {&x.ScrollBtnBottom, &x.ScrollBtnBottomBorder, &x.ScrollBtnBottomPattern,
          &x.ScrollBtnBottomHotPattern, &x.ScrollBtnBottomGlyph});
  Lookup(m, "SCROLLBTNLEFT", {&x.ScrollBtnLeft, &x.ScrollBtnLeftBorder, &x.ScrollBtnLeftPattern,
                              &x.ScrollBtnLeftHotPattern, &x.ScrollBtnLeftGlyph});
  Lookup(m, "SCROLLBTNRIGHT",
         {&x.ScrollBtnRight, &x.ScrollBtnRightBorder, &x.ScrollBtnRightPattern,
          &x.ScrollBtnRightHotPattern, &x.ScrollBtnRightGlyph});
}

void LookupScrollBars(const SkinModel& m, SkinCachedIndexes& x) {
  Lookup(m, "SCROLLSLIDERV", {&x.ScrollSliderV, &x.ScrollSliderVBorder, &x.ScrollSliderVPattern,
                              &x.ScrollSliderVHotPattern, &x.ScrollSliderVGlyph});
  Lookup(m, "SCROLLSLIDERH", {&x.ScrollSliderH, &x.ScrollSliderHBorder, &x.ScrollSliderHPattern,
                              &x.ScrollSliderHHotPattern, &x.ScrollSliderHGlyph});
  Lookup(m, "SCROLLBAR1H", {&x.ScrollBar1H, &x.ScrollBar1HBorder, &x.ScrollBar1HPattern,
                            &x.ScrollBar1HHotPattern, nullptr});
  Lookup(m, "SCROLLBAR1V", {&x.ScrollBar1V, &x.ScrollBar1VBorder, &x.ScrollBar1VPattern,
                            &x.ScrollBar1VHotPattern, nullptr});
  Lookup(m, "SCROLLBAR2H", {&x.ScrollBar2H, &x.ScrollBar2HBorder, &x.ScrollBar2HPattern,
                            &x.ScrollBar2HHotPattern, nullptr});
  Lookup(m, "SCROLLBAR2V", {&x.ScrollBar2V, &x.ScrollBar2VBorder, &x.ScrollBar2VPattern,
                            &x.ScrollBar2VHotPattern, nullptr});
}

void LookupCheckGlyphs(const SkinModel& m, SkinCachedIndexes& x) {
  const int g = x.GlobalInfo;
  const char* s = "GLOBALINFO";
  x.CheckBoxChecked = m.FindMask(g, s, "BOXCHECKED");
  x.CheckBoxUnchecked = m.FindMask(g, s, "BOXUNCHECKED");
  x.CheckBoxGrayed = m.FindMask(g, s, "BOXGRAYED");
  x.RadioChecked = m.FindMask(g, s, "RADIOCHECKED");
  x.RadioUnchecked = m.FindMask(g, s, "RADIOUNCHECKED");
  x.RadioGrayed = m.FindMask(g, s, "RADIOGRAYED");
  x.SmallChecked = m.FindMask(g, s, "SMALLCHECKED");
  x.SmallUnchecked = m.FindMask(g, s, "SMALLUNCHECKED");
  x.SmallGrayed = m.FindMask(g, s, "SMALLGRAYED");
}

void LookupCombo(const SkinModel& m, SkinCachedIndexes& x) {
  x.ComboBtn = m.FindSection("COMBOBTN");
  x.ComboBtnBorder = m.FindOwnMask("COMBOBTN", "BORDERSMASK");
  x.ComboBtnPattern = m.FindTextureMask(x.ComboBtn, "COMBOBTN", "PATTERN");
  x.ComboBtnHotPattern = m.FindTextureMask(x.ComboBtn, "COMBOBTN", "HOTPATTERN");
  x.ComboBoxGlyph = m.FindOwnMask("COMBOBOX", "GLYPHMASK");
}

}  // namespace

SkinCachedIndexes ComputeCachedIndexes(const SkinModel& model) {
  SkinCachedIndexes x;
  x.GlobalInfo = model.FindSection("GLOBALINFO");
  LookupTabs(model, x);
  LookupScrollButtons(model, x);
  LookupScrollBars(model, x);
  LookupCheckGlyphs(model, x);
  LookupCombo(model, x);
  return x;
}

}  // namespace folvane
