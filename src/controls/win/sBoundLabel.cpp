#include "controls/win/sBoundLabel.h"

#include <algorithm>

#include "controls/win/sEditLabel.h"

namespace folvane {

POINT BoundLabelPosition(TsCaptionLayout layout, const RECT& control, SIZE label, int indent) {
  const int width = control.right - control.left;
  const int height = control.bottom - control.top;
  switch (layout) {
    case TsCaptionLayout::sclLeft:
      return {control.left - label.cx - indent - 4, control.top + (height - label.cy) / 2 - 1};
    case TsCaptionLayout::sclTopLeft:
      return {control.left, control.top - label.cy - indent};
    case TsCaptionLayout::sclTopCenter:
      return {control.left + (width - label.cx) / 2, control.top - label.cy - indent};
    case TsCaptionLayout::sclTopRight:
      return {control.left + width - label.cx, control.top - label.cy - indent};
  }
  return {control.left, control.top};
}

namespace {

TAlignment AlignmentFor(TsCaptionLayout layout) {
  switch (layout) {
    case TsCaptionLayout::sclTopLeft: return TAlignment::taLeftJustify;
    case TsCaptionLayout::sclTopCenter: return TAlignment::taCenter;
    default: return TAlignment::taRightJustify;
  }
}

}  // namespace

TsBoundLabel::TsBoundLabel(TControl* control, TsCommonData* commonData)
    : control_(control), commonData_(commonData), font_(control ? control->Font() : TFont()) {}

TsBoundLabel::~TsBoundLabel() { FreeLabel(); }

void TsBoundLabel::SetActive(bool value) {
  if (value == Active()) return;
  if (value) CreateLabel();
  else FreeLabel();
}

void TsBoundLabel::CreateLabel() {
  if (!control_) return;
  label_ = new TsEditLabel(control_, this);
  label_->SetVisible(false);
  label_->FocusControl = control_;
  label_->Alignment = AlignmentFor(layout_);
  label_->Name = control_->Name + L"Label";
  label_->Font() = font_;
  label_->SetCaption(caption_.empty() ? control_->Name : caption_);
  ControlChanged();
}

void TsBoundLabel::FreeLabel() {
  TsEditLabel* label = label_;
  if (!label) return;
  label_ = nullptr;
  label->BoundLabel = nullptr;  // no call back into us while it goes
  delete label;
}

void TsBoundLabel::LabelDestroyed(const TsEditLabel* label) {
  if (label == label_) label_ = nullptr;
}

void TsBoundLabel::ControlChanged() {
  if (!label_ || !control_) return;
  if (label_->Parent() != control_->Parent()) label_->SetParent(control_->Parent());
  label_->SetVisible(control_->Visible());
  label_->SetEnabled(control_->Enabled());
  PlaceLabel();
}

void TsBoundLabel::HandleControlMessage(const Message& m) {
  switch (m.msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      ControlChanged();
      break;
    default:
      break;
  }
}

void TsBoundLabel::PlaceLabel() {
  if (!label_ || !control_ || !label_->Visible()) return;
  label_->AutoSize = true;
  label_->WordWrap = false;
  label_->AdjustSize();
  const POINT at = BoundLabelPosition(layout_, control_->BoundsRect(),
                                      {label_->Width(), label_->Height()}, indent_);
  if (maxWidth_ == 0) {
    label_->SetBounds(at.x, at.y, label_->Width(), label_->Height());
    return;
  }
  label_->AutoSize = false;
  label_->WordWrap = true;
  label_->SetBounds(at.x, at.y, maxWidth_, std::max(label_->Height(), control_->Height()));
}

void TsBoundLabel::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (!label_) return;
  label_->SetCaption(caption_.empty() && control_ ? control_->Name : caption_);
  PlaceLabel();
}

void TsBoundLabel::SetIndent(int indent) {
  indent_ = indent;
  PlaceLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout layout) {
  layout_ = layout;
  if (!label_) return;
  label_->Alignment = AlignmentFor(layout);
  PlaceLabel();
}

void TsBoundLabel::SetMaxWidth(int width) {
  maxWidth_ = width;
  PlaceLabel();
}

void TsBoundLabel::SetFont(const TFont& font) {
  font_ = font;
  if (!label_) return;
  label_->Font() = font_;
  label_->ParentFont = false;
  label_->FontChanged();
  PlaceLabel();
}

bool TsBoundLabel::UseSkinColor() const { return label_ ? label_->UseSkinColor : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  if (label_) label_->UseSkinColor = value;
}

}  // namespace folvane
