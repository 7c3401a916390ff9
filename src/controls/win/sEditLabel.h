#pragma once
// TsEditLabel: the label a TsBoundLabel makes for its control. It knows its
// bound label and tells it when it goes away, so that the bound label never
// keeps a label that no longer exists. Header-only, so that the bound label
// (in the painting library) can make one without depending on this one.

#include "paint/win/sBoundLabel.h"
#include "runtime/win/ExtCtrls.h"

namespace folvane {

class TsEditLabel : public TLabel {
 public:
  TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel)
      : TLabel(owner), BoundLabel(boundLabel) {}
  ~TsEditLabel() override {
    if (BoundLabel) BoundLabel->LabelDestroyed(this);
  }
  const wchar_t* ClassName() const override { return L"TsEditLabel"; }

  TsBoundLabel* BoundLabel;
  TControl* FocusControl = nullptr;
  bool UseSkinColor = true;
  bool ParentFont = true;
};

}  // namespace folvane
