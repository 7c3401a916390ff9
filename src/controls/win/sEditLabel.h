#pragma once
// TsEditLabel: the label a TsBoundLabel makes for its control. It knows its
// bound label and tells it when it goes away, so that the bound label never
// keeps a label that no longer exists.

#include "controls/win/sBoundLabel.h"
#include "controls/win/sLabel.h"

namespace folvane {

class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel)
      : TsLabel(owner), BoundLabel(boundLabel) {}
  ~TsEditLabel() override {
    if (BoundLabel) BoundLabel->LabelDestroyed(this);
  }
  const wchar_t* ClassName() const override { return L"TsEditLabel"; }

  TsBoundLabel* BoundLabel;
};

}  // namespace folvane
