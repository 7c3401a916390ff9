#pragma once
// TsBoundLabel: the caption label an edit-like control keeps next to itself
// (published as BoundLabel). While active it owns a TsEditLabel, made with
// the control as owner and placed on the control's parent, and keeps it
// placed by Layout, Indent and MaxWidth.

#include <windows.h>

#include <string>

#include "runtime/win/Control.h"
#include "runtime/win/Graphics.h"
#include "runtime/win/Messages.h"

namespace folvane {

class TsCommonData;
class TsEditLabel;

enum class TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

// Top-left corner of a label of size `label` for a control with bounds
// `control`: left of it and vertically centred (one pixel up), or above it
// on its left, centre or right. Halves truncate toward zero.
POINT BoundLabelPosition(TsCaptionLayout layout, const RECT& control, SIZE label, int indent);

class TsBoundLabel {
 public:
  // `control` keeps this object for its lifetime; `commonData` is its skin
  // state (may be nullptr).
  TsBoundLabel(TControl* control, TsCommonData* commonData);
  ~TsBoundLabel();
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  // --- published properties
  bool Active() const { return label_ != nullptr; }
  void SetActive(bool value);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout layout);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int width);
  // Kept in the label; true while there is none.
  bool UseSkinColor() const;
  void SetUseSkinColor(bool value);

  TsEditLabel* Label() const { return label_; }
  TsCommonData* CommonData() const { return commonData_; }

  // Follows the control: parent, visibility, enabled state and position.
  void ControlChanged();
  // Calls ControlChanged for the control's moves, resizes, visibility and
  // enabled changes; the control calls it from its WindowProc.
  void HandleControlMessage(const Message& m);
  // Puts the label where Layout says (visible labels only).
  void PlaceLabel();

  // Called by the label when it is destroyed by someone else.
  void LabelDestroyed(const TsEditLabel* label);

 private:
  void CreateLabel();
  void FreeLabel();

  TControl* control_;
  TsCommonData* commonData_;
  TsEditLabel* label_ = nullptr;
  std::wstring caption_;
  int indent_ = 0;
  TFont font_;
  TsCaptionLayout layout_ = TsCaptionLayout::sclLeft;
  int maxWidth_ = 0;
};

}  // namespace folvane
