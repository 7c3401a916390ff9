#pragma once
// The values the program's documentation gives for its internal skin,
// checked on the skin as the program's loader reads it: skin-wide data, the
// telling section records and image entries.

#include <string>
#include <vector>

namespace folvane::skingen {

std::vector<std::string> checkTellingValues(const std::string& skinFolder);

}  // namespace folvane::skingen
