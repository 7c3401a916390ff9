#pragma once

#include <cstddef>
#include <string_view>

namespace folvane {

// How the private-profile reader sees one line of an INI file (the line's
// text without its line break).
enum class ProfileLineKind {
  Blank,    // nothing but blanks
  Comment,  // first non-blank character is ';'
  Section,  // "[name]"; text after the first ']' is ignored
  Key,      // "name=value"
  Other,    // anything else: kept, never matched
};

struct ProfileLine {
  ProfileLineKind kind = ProfileLineKind::Blank;
  std::wstring_view name;       // section or key name, blanks trimmed
  std::size_t valueStart = 0;   // Key: first character of the value after "=" and blanks
  std::size_t equalsEnd = 0;    // Key: the character after "="
};

ProfileLine ClassifyProfileLine(std::wstring_view text);

// Blanks around names and values: space, tab and vertical tab.
bool IsProfileBlank(wchar_t c);
std::wstring_view TrimProfileBlanks(std::wstring_view text);

// Section and key names that the caller passes lose leading and trailing
// spaces only (tabs stay), as the system's profile functions do.
std::wstring_view StripSpaces(std::wstring_view text);

// Names compare without regard to case (ASCII and Latin-1 letters).
bool ProfileNamesEqual(std::wstring_view a, std::wstring_view b);

}  // namespace folvane
