#pragma once
// Numbers as skin files write them: decimal integers with an optional sign,
// or "0x"/"0X" followed by up to 32 bits of hexadecimal (so 0xFF00000F is
// the negative value that names system colour 15).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace folvane {

std::optional<std::int32_t> ParseInteger(std::string_view text);

// The integer, or `fallback` when the text is not one.
std::int32_t IntegerOr(std::string_view text, std::int32_t fallback);

// The integer, or EConvertError "'<text>' is not a valid integer value".
std::int32_t StrictInteger(std::string_view text);

// A real number with "." as the decimal separator whatever the locale.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace folvane
