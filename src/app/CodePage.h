#pragma once

#include <string>
#include <string_view>

namespace folvane {

// The system code page in which private-profile files without a byte-order
// mark are stored. Injected, so the profile editor needs no platform calls.
class CodePage {
 public:
  virtual ~CodePage() = default;

  // Text of the bytes; bytes without a character become the code page's
  // default character, as the system's own conversion does.
  virtual std::wstring Decode(std::string_view bytes) const = 0;

  // False when some character has no exact form in the code page (no
  // best-fit substitutes): the caller then keeps the text another way.
  virtual bool Encode(std::wstring_view text, std::string& bytes) const = 0;
};

}  // namespace folvane
