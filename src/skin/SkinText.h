#pragma once
// Byte-string helpers for skin text. Options files are single-byte text; the
// names in them are compared ignoring ASCII letter case only, as the skin
// format has always done.

#include <string>
#include <string_view>
#include <vector>

namespace folvane {

char ToUpperAscii(char c);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool ContainsText(std::string_view text, std::string_view part);

// Trims blanks and control characters (every byte up to 0x20).
std::string_view TrimControls(std::string_view text);
// Trims blanks only.
std::string_view TrimBlanks(std::string_view text);

// Splits at any of `delimiters`, dropping empty words.
std::vector<std::string_view> SplitWords(std::string_view text,
                                         std::string_view delimiters);
// Splits at `delimiter`, keeping empty items.
std::vector<std::string_view> SplitItems(std::string_view text, char delimiter);

// Single-byte skin text to the program's UTF-16 and back (byte n is code
// unit n; code units above 0xFF become "?").
std::u16string WidenLatin1(std::string_view text);
std::string NarrowLatin1(std::u16string_view text);

char16_t ToUpperAscii16(char16_t c);
bool LessIgnoreCase16(std::u16string_view a, std::u16string_view b);
bool EqualsIgnoreCase16(std::u16string_view a, std::u16string_view b);

}  // namespace folvane
