#include "controls/EditLayout.h"

#include <string>

namespace folvane {

namespace {

int BorderWidth(const EditBorderSettings& s) { return s.SingleBorder ? (s.Ctl3D ? 2 : 1) : 0; }

}  // namespace

int EditFrameWidth(const EditBorderSettings& s) {
  const int border = BorderWidth(s);
  if (border > 0) return border;
  return (s.InnerBevel ? 1 : 0) + (s.OuterBevel ? 1 : 0);
}

int EditTextInset(const EditBorderSettings& s) {
  const int bevels = s.BevelKind ? (s.OuterBevel ? 1 : 0) + (s.InnerBevel ? 1 : 0) : 0;
  return BorderWidth(s) + bevels;
}

PixelRect EditTextRect(const EditBorderSettings& s, int width, int height) {
  const int i = EditTextInset(s);
  return {i + 1, i + 1, width - i, height - i};
}

int MaskEditFrameWidth(const EditBorderSettings& s) { return s.SingleBorder ? 2 : 0; }

int MaskEditTextInset(const EditBorderSettings& s) {
  return s.SingleBorder ? (s.Ctl3D ? 3 : 2) : 0;
}

PixelRect MaskEditTextRect(const EditBorderSettings& s, int width, int textHeight) {
  const int i = MaskEditTextInset(s);
  PixelRect r{i, i, width - i, i + textHeight};
  if (s.SingleBorder && s.Ctl3D) r.Top -= 1;
  return r;
}

std::u16string ShownEditText(const std::u16string& text, char16_t passwordChar) {
  if (passwordChar == 0) return text;
  return std::u16string(text.size(), passwordChar);
}

}  // namespace folvane
