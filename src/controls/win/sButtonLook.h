#pragma once
// TsButtonLook: the look properties the skinned push button and speed
// button share (caption and glyph placement, blending, disabled looks,
// image-list glyphs). Each setter stores its value and tells the button
// through LookChanged, so that one button can repaint and the other can
// also follow a change of its glyph's source.

#include "controls/ButtonGlyph.h"
#include "controls/ButtonLayout.h"
#include "paint/DisabledLook.h"
#include "runtime/win/ExtCtrls.h"

namespace folvane {

class TsButtonLook {
 public:
  virtual ~TsButtonLook() = default;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value);
  int Blend() const { return blend_; }
  void SetBlend(int value);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value);
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind value);
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);

 protected:
  // What a setter changed: most only the look; the image list, its index
  // and the disabled glyph kind can also change where the glyph comes from.
  enum class LookPart { Look, DisabledGlyph, ImageSource };
  virtual void LookChanged(LookPart part) = 0;

  // True when the glyph comes from the image list: an own glyph is empty
  // and the index names an image of the list.
  bool ImageGlyphSelected() const;
  // The layout input both buttons start from: their size, the glyph (an
  // own glyph, else the image list's image size) and the look's placement.
  ButtonGeometry LookGeometry(int width, int height, const TBitmap& glyph, int numGlyphs,
                              int spacing, const std::wstring& caption) const;

  TAlignment alignment_ = TAlignment::taCenter;
  TAlignment textAlignment_ = TAlignment::taCenter;
  int blend_ = 0;
  bool grayed_ = false;
  TsDisabledGlyphKind disabledGlyphKind_ = dgBlended;
  TsDisabledKind disabledKind_ = dkBlended;
  TImageList* images_ = nullptr;
  int imageIndex_ = -1;
  bool showCaption_ = true;
  bool drawOverBorder_ = true;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
};

}  // namespace folvane
