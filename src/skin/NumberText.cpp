#include "skin/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "skin/SkinErrors.h"

namespace folvane {

void ThrowNotAnInteger(const std::string& text) {
  throw EConvertError("'" + text + "' is not a valid integer value");
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  // Hexadecimal spells the 32 bits themselves: 0xFFFFFFFF is -1.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimalInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 0x80000000ll) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseHex(text.substr(2));
  return ParseDecimalInteger(text);
}

std::int32_t IntegerOr(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::int32_t StrictInteger(std::string_view text) {
  const auto value = ParseInteger(text);
  if (!value) ThrowNotAnInteger(std::string(text));
  return *value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace folvane
