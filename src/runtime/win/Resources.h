#pragma once
// Raw data resources of the program (RCDATA).

#include <windows.h>

#include <cstdint>
#include <vector>

namespace folvane {

// The bytes of resource `name` of the program; empty when it has none.
std::vector<std::uint8_t> ReadResourceData(const wchar_t* name, const wchar_t* type = RT_RCDATA);

}  // namespace folvane
