#include "WorkedExample.h"

#include <functional>

#include "skin/SkinLoader.h"

namespace folvane::skingen {
namespace {

class Checker {
 public:
  Checker(const SkinModel& model, std::vector<std::string>& out) : model_(model), out_(out) {}

  template <typename T, typename U>
  void expect(const std::string& what, const T& actual, const U& wanted) {
    if (!(actual == static_cast<T>(wanted)))
      out_.push_back(what + " is " + text(actual) + ", must be " + text(static_cast<T>(wanted)));
  }

  const TsGeneralData* record(const char* section) {
    const TsGeneralData* r = model_.Section(model_.FindSection(section));
    if (!r) out_.push_back(std::string("no section ") + section);
    return r;
  }

  const TsMaskData* mask(const char* section, const char* key) {
    const TsMaskData* m = model_.Mask(model_.FindMask(model_.FindSection(section), section, key));
    if (!m) out_.push_back(std::string("no ") + key + " in " + section);
    return m;
  }

  void rect(const std::string& what, const TsMaskData& m, int l, int t, int r, int b) {
    expect(what + " Left", m.Left, l);
    expect(what + " Top", m.Top, t);
    expect(what + " Right", m.Right, r);
    expect(what + " Bottom", m.Bottom, b);
  }

 private:
  template <typename T>
  static std::string text(const T& v) {
    if constexpr (std::is_same_v<T, bool>) return v ? "true" : "false";
    else if constexpr (std::is_same_v<T, std::string>) return "\"" + v + "\"";
    else return std::to_string(v);
  }

  const SkinModel& model_;
  std::vector<std::string>& out_;
};

void checkSkinData(Checker& c, const TsSkinData& d) {
  c.expect("Version", d.Version, 5.6);
  c.expect("Shadow1Offset", d.Shadow1Offset, 1);
  c.expect("Shadow1Blur", d.Shadow1Blur, 2);
  c.expect("Shadow1Transparency", d.Shadow1Transparency, 0);
  c.expect("Shadow1Color", d.Shadow1Color, 4539717);
  c.expect("BorderColor", d.BorderColor, 14078931);
  c.expect("BISpacing", d.BISpacing, -1);
  c.expect("BIVAlign", d.BIVAlign, 1);
}

void checkRecords(Checker& c, const SkinModel& model) {
  for (const TsGeneralData& r : model.Sections()) c.expect(r.SectionName + " ParentClass", r.ParentClass, std::string());
  if (const TsGeneralData* g = c.record("GLOBALINFO")) {
    c.expect("GLOBALINFO Color", g->Color, 0xF0F0F0);
    c.expect("GLOBALINFO HotColor", g->HotColor, 0xFFFFFF);
    c.expect("GLOBALINFO TCLeft", g->TCLeft, 0xFFFFFF);
  }
  for (const char* name : {"FORM", "EDIT"}) {
    if (const TsGeneralData* r = c.record(name)) {
      const TColor colour = std::string(name) == "FORM" ? 0xE7E7E7 : 0xFFFFFF;
      c.expect(std::string(name) + " Color", r->Color, colour);
      c.expect(std::string(name) + " HotColor", r->HotColor, colour);
    }
  }
  if (const TsGeneralData* b = c.record("BUTTON")) {
    c.expect("BUTTON Transparency", b->Transparency, 100);
    c.expect("BUTTON HotTransparency", b->HotTransparency, 100);
    c.expect("BUTTON FadingEnabled", b->FadingEnabled, true);
    c.expect("BUTTON FadingIterations", b->FadingIterations, 20);
    c.expect("BUTTON FadingIntervalIn", b->FadingIntervalIn, 5);
    c.expect("BUTTON FadingIntervalOut", b->FadingIntervalOut, 5);
  }
  if (const TsGeneralData* m = c.record("MAINMENU")) {
    c.expect("MAINMENU Color", m->Color, 15856113);
    c.expect("MAINMENU HotColor", m->HotColor, 16119285);
    c.expect("MAINMENU gradient segments", m->GradientArray.size(), 5);
    c.expect("MAINMENU GradientPercent", m->GradientPercent, 100);
  }
  if (const TsGeneralData* t = c.record("FORMTITLE")) {
    c.expect("FORMTITLE FontColor", t->FontColor, 8421503);
    c.expect("FORMTITLE HotFontColor", t->HotFontColor, 0xFFFFFF);
    for (TColor tc : {t->HotTCLeft, t->HotTCTop, t->HotTCRight, t->HotTCBottom})
      c.expect("FORMTITLE hot contour", tc, 6968878);
    c.expect("FORMTITLE Color", t->Color, 14342874);
    c.expect("FORMTITLE hot gradient segments", t->HotGradientArray.size(), 6);
  }
  if (const TsGeneralData* v = c.record("GRIPV")) {
    TsGeneralData defaults;
    defaults.SectionName = v->SectionName;
    c.expect("GRIPV Color (all defaults)", v->Color, defaults.Color);
    c.expect("GRIPV Transparency (all defaults)", v->Transparency, defaults.Transparency);
    c.expect("GRIPV FontColor (all defaults)", v->FontColor, defaults.FontColor);
    c.expect("GRIPV HotColor (all defaults)", v->HotColor, defaults.HotColor);
  }
}

void checkEntries(Checker& c, const SkinModel& model) {
  c.expect("master bitmap width", model.MasterBitmap().Width(), 515);
  c.expect("master bitmap height", model.MasterBitmap().Height(), 100);
  if (const TsMaskData* f = c.mask("FORM", "BORDERSMASK")) {
    c.rect("FORM BORDERSMASK", *f, 0, 79, 514, 96);
    c.expect("FORM BORDERSMASK ImageCount", f->ImageCount, 2);
    c.expect("FORM BORDERSMASK MaskType", f->MaskType, 0);
    c.expect("FORM BORDERSMASK StretchMode", f->StretchMode, 1);
    c.expect("FORM BORDERSMASK BorderWidth", f->BorderWidth, 1);
    for (int w : {f->WL, f->WT, f->WR, f->WB}) c.expect("FORM BORDERSMASK slice", w, 4);
  }
  if (const TsMaskData* g = c.mask("COMBOBOX", "GLYPHMASK")) c.rect("COMBOBOX GLYPHMASK", *g, 114, 37, 121, 41);
  if (const TsMaskData* p = c.mask("GRIPH", "PATTERN")) {
    c.expect("GRIPH PATTERN ImgType", static_cast<int>(p->ImgType), static_cast<int>(itisaTexture));
    c.expect("GRIPH PATTERN StretchMode", p->StretchMode, 10);
    c.expect("GRIPH PATTERN MaskType", p->MaskType, 1);
  }
  if (const TsMaskData* h = c.mask("BUTTON_HUGE", "BORDERSMASK")) {
    c.expect("BUTTON_HUGE picture width", h->Image.Width(), 288);
    c.expect("BUTTON_HUGE picture height", h->Image.Height(), 192);
  }
  if (const TsMaskData* t = c.mask("FORMTITLE", "IMGTOPLEFT")) {
    c.expect("FORMTITLE IMGTOPLEFT own picture", t->HasImage(), true);
    c.expect("FORMTITLE IMGTOPLEFT ImageCount", t->ImageCount, 1);
    c.expect("FORMTITLE IMGTOPLEFT MaskType", t->MaskType, 1);
    c.expect("FORMTITLE IMGTOPLEFT ImgType", static_cast<int>(t->ImgType), static_cast<int>(itisaGlyph));
  }
  c.expect("GRIPV BORDERSMASK entries",
           model.FindMask(model.FindSection("GRIPV"), "GRIPV", "BORDERSMASK"), -1);
}

}  // namespace

std::vector<std::string> checkTellingValues(const std::string& skinFolder) {
  std::vector<std::string> out;
  SkinModel model;
  const std::u16string folder(skinFolder.begin(), skinFolder.end());
  try {
    if (!LoadSkinFolder(model, folder + u"\\", SkinLoadSettings{}).Loaded()) return {"the skin does not load"};
  } catch (const std::exception& e) {
    return {std::string("the skin does not load: ") + e.what()};
  }
  Checker c(model, out);
  checkSkinData(c, model.SkinData());
  checkRecords(c, model);
  checkEntries(c, model);
  return out;
}

}  // namespace folvane::skingen
