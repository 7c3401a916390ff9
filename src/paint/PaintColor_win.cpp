#include <windows.h>

#include "paint/PaintColor.h"

namespace folvane {

TColor PlatformSystemColor(int index) {
  return static_cast<TColor>(GetSysColor(index)) & 0xFFFFFF;
}

}  // namespace folvane
