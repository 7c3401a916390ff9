#pragma once
// The runtime's error kinds that a skin load raises. Their texts are the
// platform's own, so a skin author sees the same message whichever part of
// the loader met the bad value.

#include <stdexcept>
#include <string>

namespace folvane {

// A text that should have been a number (fixed-column references, "!" and
// free-form numbers, gradient texts, SHADOW1* values).
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An integer division by zero the loader refused to perform (default slice
// widths of a reference with an ImageCount of 0).
class EDivByZero : public std::runtime_error {
 public:
  EDivByZero() : std::runtime_error("Division by zero") {}
};

// "'<text>' is not a valid integer value"
[[noreturn]] void ThrowNotAnInteger(const std::string& text);

}  // namespace folvane
