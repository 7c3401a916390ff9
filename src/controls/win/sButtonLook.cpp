#include "controls/win/sButtonLook.h"

#include <commctrl.h>

#include <algorithm>

namespace folvane {

namespace {

ButtonAlign AlignOf(TAlignment a) {
  return a == TAlignment::taLeftJustify    ? ButtonAlign::Left
         : a == TAlignment::taRightJustify ? ButtonAlign::Right
                                           : ButtonAlign::Center;
}

}  // namespace

bool TsButtonLook::ImageGlyphSelected() const {
  return images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count();
}

ButtonGeometry TsButtonLook::LookGeometry(int width, int height, const TBitmap& glyph,
                                          int numGlyphs, int spacing,
                                          const std::wstring& caption) const {
  ButtonGeometry g;
  g.Width = width;
  g.Height = height;
  if (!glyph.Empty() && numGlyphs > 0) {
    g.GlyphWidth = glyph.Width() / numGlyphs;
    g.GlyphHeight = glyph.Height();
  } else if (ImageGlyphSelected()) {
    ImageList_GetIconSize(images_->Handle(), &g.GlyphWidth, &g.GlyphHeight);
  }
  g.Margin = margin_;
  g.Spacing = spacing;
  g.HasCaption = showCaption_ && !caption.empty();
  g.Layout = layout_;
  g.Align = AlignOf(alignment_);
  return g;
}

void TsButtonLook::SetAlignment(TAlignment value) {
  alignment_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetTextAlignment(TAlignment value) {
  textAlignment_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetBlend(int value) {
  blend_ = std::clamp(value, 0, 100);
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetGrayed(bool value) {
  grayed_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetDisabledGlyphKind(TsDisabledGlyphKind value) {
  disabledGlyphKind_ = value;
  LookChanged(LookPart::DisabledGlyph);
}

void TsButtonLook::SetDisabledKind(TsDisabledKind value) {
  disabledKind_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetImages(TImageList* value) {
  images_ = value;
  LookChanged(LookPart::ImageSource);
}

void TsButtonLook::SetImageIndex(int value) {
  imageIndex_ = value;
  LookChanged(LookPart::ImageSource);
}

void TsButtonLook::SetShowCaption(bool value) {
  showCaption_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetDrawOverBorder(bool value) {
  drawOverBorder_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetLayout(TButtonLayout value) {
  layout_ = value;
  LookChanged(LookPart::Look);
}

void TsButtonLook::SetMargin(int value) {
  margin_ = value;
  LookChanged(LookPart::Look);
}

}  // namespace folvane
