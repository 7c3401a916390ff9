// Labels in the skin's colours: the colour walk up the parents, the
// label's own section, the reset when the skin goes, the disabled colour,
// and the shadow label.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/gui/ControlSkins.h"
#include "controls/win/sLabel.h"
#include "controls/win/sLabelFX.h"
#include "paint/PaintColor.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

// The label painted on its own into a bitmap filled with `behind`.
TBitmap PaintLabel(TLabel& label, TColor behind) {
  TBitmap face(label.Width(), label.Height());
  const RECT all{0, 0, label.Width(), label.Height()};
  BrushHandle brush(CreateSolidBrush(ColorToRGB(behind)));
  FillRect(face.DC(), &all, brush.Get());
  label.Paint(face.DC());
  GdiFlush();
  return face;
}

bool HasPixel(TBitmap& b, TColor rgb) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixels().GetColor(x, y) == rgb) return true;
  return false;
}

template <typename Label = TsLabel>
Label* MakeLabel(TComponent* owner, TWinControl* parent, int left, int top) {
  auto* label = new Label(owner);
  label->SetParent(parent);
  label->Font() = TFont(L"Tahoma", -16, 0x123456);
  label->Font().SetStyle(fsBold);
  label->SetCaption(L"Folder WM");
  label->SetBounds(left, top, label->Width(), label->Height());
  return label;
}

class Labels : public folvane::test::NoHandleLeaks {};

TEST_F(Labels, ColourWalksUpToASectionThatGivesItsFont) {
  for (bool givesFont : {false, true}) {
    SCOPED_TRACE(givesFont ? "TOOLBAR gives its font" : "TOOLBAR does not");
    OwnSkinManager manager(LabelSkin(givesFont));
    DemonstrationForm demo;
    demo.Form->HandleNeeded();
    TsLabel* onForm = MakeLabel(demo.Form, demo.Form, 320, 100);
    TsLabel* onToolbar = MakeLabel(demo.Form, demo.Toolbar, 10, 150);
    // PANEL is fully transparent: the label looks through it to TOOLBAR.
    TsLabel* onPanel = MakeLabel(demo.Form, demo.ThinPanel, 5, 50);
    TsLabel* own = MakeLabel(demo.Form, demo.Toolbar, 150, 150);
    own->UseSkinColor = false;
    TsLabel* sectioned = MakeLabel(demo.Form, demo.Toolbar, 150, 170);
    sectioned->UseSkinColor = false;
    sectioned->SetSkinSection(L"BUTTON");

    const TColor fromToolbar = givesFont ? kToolbarText : kGlobalText;
    const struct {
      TsLabel* label;
      TColor expected;
    } cases[] = {{onForm, kGlobalText}, {onToolbar, fromToolbar}, {onPanel, fromToolbar},
                 {own, 0x123456}, {sectioned, kSectionText}};
    for (const auto& c : cases) {
      PaintLabel(*c.label, clWhite);
      EXPECT_EQ(c.label->Font().Color(), c.expected) << c.label->Top();
    }
    // The section is painted behind the text: the button's red.
    TBitmap face = PaintLabel(*sectioned, clWhite);
    EXPECT_EQ(face.Pixels().GetColor(0, 0), kButtonColor);

    // Without the skin the colour goes back to the window text colour,
    // except where the label keeps its own.
    manager->SetActive(false);
    EXPECT_EQ(onToolbar->Font().Color(), clWindowText);
    EXPECT_EQ(onForm->Font().Color(), clWindowText);
    EXPECT_EQ(own->Font().Color(), 0x123456u);
    PaintLabel(*onToolbar, clWhite);
    EXPECT_EQ(onToolbar->Font().Color(), clWindowText);
  }
}

TEST_F(Labels, DisabledTextIsFortyPercentFontOverSixtyPercentParent) {
  OwnSkinManager manager(LabelSkin(false));
  auto* form = new TForm(Application);
  form->SetColor(0x808080);
  form->HandleNeeded();
  TsLabel* label = MakeLabel(form, form, 10, 10);
  label->SetEnabled(false);
  TBitmap face = PaintLabel(*label, 0x808080);
  EXPECT_TRUE(HasPixel(face, LerpColors(kGlobalText, 0x808080, 0.4)));
  EXPECT_FALSE(HasPixel(face, ColorToRGB(clBtnShadow)));

  // Without a skin a disabled label is the platform's engraved text.
  manager->SetActive(false);
  TBitmap plain = PaintLabel(*label, 0x808080);
  const COLORREF shadow = ColorToRGB(clBtnShadow);
  EXPECT_TRUE(HasPixel(plain, RgbColor(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow))));
  delete form;
}

TEST_F(Labels, ShadowLabelGrowsByItsShadowAndDrawsOverIt) {
  OwnSkinManager manager(InternalSkin());
  auto* form = new TForm(Application);
  form->HandleNeeded();
  TsLabel* plain = MakeLabel(form, form, 10, 10);
  auto* fx = MakeLabel<TsLabelFX>(form, form, 10, 50);
  EXPECT_EQ(fx->Shadow().Mode(), TsShadowMode::smSkin1);
  EXPECT_EQ(fx->Kind().KindType(), TsKindType::ktSkin);

  fx->Shadow().SetMode(TsShadowMode::smCustom);
  fx->Shadow().SetBlurCount(4);
  fx->Shadow().SetDistance(1);
  fx->AdjustSize();
  EXPECT_EQ(fx->Width(), plain->Width() + 8);
  EXPECT_EQ(fx->Height(), plain->Height() + 8);
  EXPECT_EQ(fx->Extents().Before, -3);
  EXPECT_EQ(fx->Extents().After, 5);

  // The internal skin's first shadow (4539717, blur 2, offset 1) under
  // white text: the skin's "TCLeft".
  fx->Shadow().SetMode(TsShadowMode::smSkin1);
  fx->AdjustSize();
  EXPECT_EQ(fx->Width(), plain->Width() + 4);
  const TColor face = ColorToRGB(clBtnFace);
  TBitmap shadowed = PaintLabel(*fx, RgbColor(GetRValue(face), GetGValue(face), GetBValue(face)));
  EXPECT_TRUE(HasPixel(shadowed, 0xFFFFFF));
  EXPECT_EQ(fx->Shadow().R, 0x45);
  int darker = 0;
  for (int y = 0; y < shadowed.Height(); ++y)
    for (int x = 0; x < shadowed.Width(); ++x)
      if (static_cast<int>(shadowed.Pixels().GetColor(x, y) & 0xFF) < GetRValue(face) - 40)
        ++darker;
  EXPECT_GT(darker, 10);

  // Without a shadow it draws like a plain label.
  fx->Shadow().SetMode(TsShadowMode::smNone);
  fx->AdjustSize();
  EXPECT_EQ(fx->Width(), plain->Width());
  TBitmap flat = PaintLabel(*fx, 0x808080);
  EXPECT_FALSE(HasPixel(flat, 0xFFFFFF));
  delete form;
}

}  // namespace
