#include "app/ProfileLine.h"

namespace folvane {

namespace {

wchar_t FoldCase(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 0x20);
  // Latin-1 lower-case letters; the division sign among them is no letter.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
  return c;
}

std::size_t FirstNonBlank(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsProfileBlank(text[i])) ++i;
  return i;
}

}  // namespace

bool IsProfileBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\v'; }

std::wstring_view TrimProfileBlanks(std::wstring_view text) {
  text.remove_prefix(FirstNonBlank(text));
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring_view StripSpaces(std::wstring_view text) {
  while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
  return text;
}

bool ProfileNamesEqual(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

ProfileLine ClassifyProfileLine(std::wstring_view text) {
  ProfileLine line;
  const std::size_t start = FirstNonBlank(text);
  if (start == text.size()) return line;
  if (text[start] == L';') {
    line.kind = ProfileLineKind::Comment;
    return line;
  }
  if (text[start] == L'[') {
    // The name ends at the first ']' or, when there is none, at the line's end.
    std::wstring_view name = text.substr(start + 1);
    name = name.substr(0, name.find(L']'));
    line.kind = ProfileLineKind::Section;
    line.name = TrimProfileBlanks(name);
    return line;
  }
  const std::size_t equals = text.find(L'=', start);
  if (equals == std::wstring_view::npos) {
    line.kind = ProfileLineKind::Other;
    return line;
  }
  line.kind = ProfileLineKind::Key;
  line.name = TrimProfileBlanks(text.substr(start, equals - start));
  line.equalsEnd = equals + 1;
  line.valueStart = line.equalsEnd + FirstNonBlank(text.substr(line.equalsEnd));
  return line;
}

}  // namespace folvane
