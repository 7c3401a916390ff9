#include "controls/win/sButtonLook.h"

#include <algorithm>

namespace folvane {

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
