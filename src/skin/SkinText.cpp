#include "skin/SkinText.h"

#include <algorithm>

namespace folvane {

char ToUpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = ToUpperAscii(c);
  return upper;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
  return true;
}

bool ContainsText(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

namespace {
bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && IsControlOrBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsControlOrBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitWords(std::string_view text,
                                         std::string_view delimiters) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of(delimiters, start);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    if (stop > start) words.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return words;
}

std::vector<std::string_view> SplitItems(std::string_view text, char delimiter) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(delimiter, start);
    if (end == std::string_view::npos) {
      items.push_back(text.substr(start));
      return items;
    }
    items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::u16string WidenLatin1(std::string_view text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(static_cast<unsigned char>(c));
  return wide;
}

std::string NarrowLatin1(std::u16string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (char16_t c : text) narrow.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
  return narrow;
}

char16_t ToUpperAscii16(char16_t c) {
  return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool LessIgnoreCase16(std::u16string_view a, std::u16string_view b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        return ToUpperAscii16(x) < ToUpperAscii16(y);
      });
}

bool EqualsIgnoreCase16(std::u16string_view a, std::u16string_view b) {
  return !LessIgnoreCase16(a, b) && !LessIgnoreCase16(b, a);
}

}  // namespace folvane
