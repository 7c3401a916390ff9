#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/CodePage.h"

namespace folvane::test_support {

// A stand-in for the system code page: every byte is the Latin-1 character
// of the same number, and nothing above U+00FF fits.
class Latin1CodePage final : public CodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
  }

  bool Encode(std::wstring_view text, std::string& bytes) const override {
    bytes.clear();
    for (wchar_t c : text) {
      if (static_cast<std::uint32_t>(c) > 0xFF) return false;
      bytes += static_cast<char>(c);
    }
    return true;
  }
};

// Reference encoding for expected file contents: one UTF-16 unit per wchar_t.
inline std::string Utf16Le(std::wstring_view text) {
  std::string bytes;
  for (wchar_t c : text) {
    bytes += static_cast<char>(static_cast<std::uint32_t>(c) & 0xFF);
    bytes += static_cast<char>((static_cast<std::uint32_t>(c) >> 8) & 0xFF);
  }
  return bytes;
}

}  // namespace folvane::test_support
