#pragma once
// TsBevel: the platform bevel, which the skin leaves as it is (the frame
// around the icon preview keeps the system's shadow and highlight lines).

#include "runtime/win/ExtCtrls.h"

namespace folvane {

class TsBevel : public TBevel {
 public:
  using TBevel::TBevel;
  const wchar_t* ClassName() const override { return L"TsBevel"; }
};

}  // namespace folvane
