#pragma once
// The inheriting keys of a section record, in record order, visited by the
// options-file reader and by the "CommonSections" merge alike so that the
// two can never disagree about a key, its field or its default.
// "SHADOWCOLOR" is not here: it never inherits.

#include "skin/SkinTypes.h"

namespace folvane {

template <typename Visitor>
void VisitSectionFields(Visitor& v) {
  using G = TsGeneralData;
  v.Integer("COLOR", &G::Color, 0xFFFFFF);
  v.Bevel("BEVEL", &G::Bevel);
  v.Integer("FONTCOLOR", &G::FontColor, 0);
  v.Integer("TCLEFT", &G::TCLeft, -1);
  v.Integer("TCTOP", &G::TCTop, -1);
  v.Integer("TCRIGHT", &G::TCRight, -1);
  v.Integer("TCBOTTOM", &G::TCBottom, -1);
  v.Integer("HOTFONTCOLOR", &G::HotFontColor, 0);
  v.Integer("HOTTCLEFT", &G::HotTCLeft, -1);
  v.Integer("HOTTCTOP", &G::HotTCTop, -1);
  v.Integer("HOTTCRIGHT", &G::HotTCRight, -1);
  v.Integer("HOTTCBOTTOM", &G::HotTCBottom, -1);
  v.Bool("GIVEOWNFONT", &G::GiveOwnFont);
  v.Bool("RESERVEDBOOLEAN", &G::ReservedBoolean);
  v.Integer("SHADOWBLUR", &G::ShadowBlur, 6);
  v.Bool("SHADOWENABLED", &G::ShadowEnabled);
  v.Integer("SHADOWOFFSET", &G::ShadowOffset, 3);
  v.Integer("SHADOWTRANSPARENCY", &G::ShadowTransparency, 50);
  v.Integer("TRANSPARENCY", &G::Transparency, 0);
  v.Integer("GRADIENTPERCENT", &G::GradientPercent, 0);
  v.Text("GRADIENTDATA", &G::GradientData, " ");
  v.Integer("IMAGEPERCENT", &G::ImagePercent, 0);
  v.Bool("SHOWFOCUS", &G::ShowFocus);
  v.Bool("FADINGENABLED", &G::FadingEnabled);
  v.Integer("FADINGINTERVALIN", &G::FadingIntervalIn, 5);
  v.Integer("FADINGINTERVALOUT", &G::FadingIntervalOut, 5);
  v.Integer("FADINGITERATIONS", &G::FadingIterations, 5);
  v.Integer("HOTCOLOR", &G::HotColor, 0xFFFFFF);
  v.Integer("HOTTRANSPARENCY", &G::HotTransparency, 0);
  v.Bevel("HOTBEVEL", &G::HotBevel);
  v.Integer("HOTGRADIENTPERCENT", &G::HotGradientPercent, 0);
  v.Text("HOTGRADIENTDATA", &G::HotGradientData, "");
  v.Integer("HOTIMAGEPERCENT", &G::HotImagePercent, 0);
  v.Integer("BORDERCOLOR1", &G::BorderColor1, 0);
  v.Integer("BORDERCOLOR2", &G::BorderColor2, 0);
}

}  // namespace folvane
