#pragma once

#include <string_view>

#include "skin/SkinTypes.h"

namespace folvane {

// "c1;c2;percent;mode;unused;..." into segments of five numbers; a trailing
// incomplete group is ignored, a percent above 100 is stored as 100 (below 0
// as 0). A word of a complete group that is not a number raises
// EConvertError.
TsGradArray ParseGradient(std::string_view text);

}  // namespace folvane
