#pragma once
// Where a skinned edit's frame and text lie, from the platform edit's
// border settings: the frame ring painted in the non-client area, the text
// inset, the text rectangle inside the control's cache and the DrawText
// flags of the text the edit draws itself.

#include <string>

#include "paint/PixelGeometry.h"

namespace folvane {

struct EditBorderSettings {
  bool SingleBorder = true;  // border style single (else none)
  bool Ctl3D = true;
  bool InnerBevel = true;    // bevel inner other than none
  bool OuterBevel = true;    // bevel outer other than none
  bool BevelKind = false;    // bevel kind other than none
};

// The DrawText flags: no prefix, single line, word break (plain edit); no
// prefix, external leading, single line (masked edit), without the external
// leading for password text.
constexpr unsigned kEditTextFlags = 0x830;
constexpr unsigned kMaskEditTextFlags = 0xA20;
constexpr unsigned kMaskEditPasswordFlags = 0x820;

// TsEdit: the border's width, or from the bevels when there is no border.
int EditFrameWidth(const EditBorderSettings& s);
int EditTextInset(const EditBorderSettings& s);
// (i + 1, i + 1, width - i, height - i).
PixelRect EditTextRect(const EditBorderSettings& s, int width, int height);

// TsMaskEdit: 2, or 0 (no frame at all) without a border.
int MaskEditFrameWidth(const EditBorderSettings& s);
int MaskEditTextInset(const EditBorderSettings& s);
// (i, i, width - i, i + textHeight), one pixel higher for a 3-D border.
PixelRect MaskEditTextRect(const EditBorderSettings& s, int width, int textHeight);

// The text an idle edit shows: the text, or the password character once
// per character of it.
std::u16string ShownEditText(const std::u16string& text, char16_t passwordChar);

}  // namespace folvane
