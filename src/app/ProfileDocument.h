#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/CodePage.h"

namespace folvane {

// A private-profile (INI) file held as its lines, read and written one key at
// a time the way the system's profile functions do, except that a write
// changes nothing but the line it writes: every other line keeps its bytes,
// blanks and line break.
//
// A file that starts with the UTF-16LE byte-order mark is UTF-16LE; any other
// file is in the system code page. When a text that is written has no exact
// form in the code page, the whole file becomes UTF-16LE with a byte-order
// mark (every line keeps its text, no longer its bytes), so no character the
// user typed is lost.
class ProfileDocument {
 public:
  // The reader's buffer holds 2048 characters, its terminating zero included.
  static constexpr std::size_t kMaxValueLength = 2047;

  // bytes: the file's contents, empty for a file that does not exist yet.
  ProfileDocument(std::string_view bytes, const CodePage& codePage);

  // The value of the first such key in the first such section, without
  // surrounding blanks and without one pair of matching quotes; otherwise
  // def without trailing spaces. Both are cut to kMaxValueLength characters.
  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view def) const;

  // Replaces the key's value in place, or appends the key at the end of its
  // section, or appends the section at the end of the file. A line break in
  // any of the texts becomes a blank: it must not start a line of its own.
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  std::string Bytes() const;
  bool IsUtf16() const { return utf16_; }

 private:
  struct Line {
    std::wstring text;       // without the line break
    std::wstring lineBreak;  // "\r\n", "\n", "\r", or empty on an unterminated last line
    std::string bytes;       // the line as stored, break included
  };
  struct SectionSpan {
    std::size_t header;  // the "[name]" line
    std::size_t end;     // the next section's header, or the end of the file
  };

  void SplitAnsi(std::string_view bytes);
  void SplitUtf16(std::string_view bytes);
  std::optional<SectionSpan> FindSection(std::wstring_view name) const;
  std::optional<std::size_t> FindKey(const SectionSpan& span, std::wstring_view key) const;
  std::size_t EndOfContent(const SectionSpan& span) const;
  void ReplaceValue(std::size_t index, const std::wstring& value);
  void InsertLine(std::size_t index, std::wstring text);
  void SetText(std::size_t index, std::wstring text);
  void Terminate(std::size_t index);
  bool Encode(const std::wstring& text, std::string& bytes) const;
  void SwitchToUtf16();

  const CodePage* codePage_;
  bool utf16_ = false;
  std::wstring newLineBreak_ = L"\r\n";
  std::vector<Line> lines_;
};

}  // namespace folvane
