#include <windows.h>

#include "skin/SystemColors.h"

namespace folvane {

namespace {
class RunningSystemColors : public SystemColors {
 public:
  TColor Get(int index) const override {
    // COLORREF has red in the low byte, as TColor does.
    return static_cast<TColor>(GetSysColor(index)) & 0xFFFFFF;
  }
};
}  // namespace

const SystemColors& WindowsSystemColors() {
  static const RunningSystemColors colors;
  return colors;
}

}  // namespace folvane
