#include "app/ProfileDocument.h"

#include <cstdint>
#include <utility>

#include "app/ProfileLine.h"

namespace folvane {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

struct LineExtent {
  std::size_t start;
  std::size_t length;       // without the break
  std::size_t breakLength;  // 0, 1 or 2
};

// Lines end at "\r\n", "\n" or a lone "\r". Neither byte can be the second
// byte of a double-byte character, so this works on code-page bytes as well.
template <typename Char>
std::vector<LineExtent> SplitLines(std::basic_string_view<Char> text) {
  std::vector<LineExtent> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != Char('\n') && text[i] != Char('\r')) continue;
    const bool crlf = text[i] == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n');
    const std::size_t breakLength = crlf ? 2 : 1;
    lines.push_back({start, i - start, breakLength});
    i += breakLength - 1;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back({start, text.size() - start, 0});
  return lines;
}

std::wstring BreakText(std::size_t breakLength, wchar_t first) {
  if (breakLength == 2) return L"\r\n";
  if (breakLength == 1) return std::wstring(1, first);
  return {};
}

// wchar_t may be wider than 16 bits; it always holds one UTF-16 code unit.
std::string Utf16LeBytes(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (wchar_t c : text) {
    const auto unit = static_cast<std::uint32_t>(c) & 0xFFFF;
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// Line breaks are plain ASCII in every code page.
std::string AsciiBytes(std::wstring_view text) {
  std::string bytes;
  for (wchar_t c : text) bytes += static_cast<char>(c);
  return bytes;
}

std::wstring OneLine(std::wstring_view text) {
  std::wstring result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    result += (text[i] == L'\r' || text[i] == L'\n') ? L' ' : text[i];
  }
  return result;
}

std::wstring_view WithoutMatchingQuotes(std::wstring_view value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view bytes, const CodePage& codePage) : codePage_(&codePage) {
  if (bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
    utf16_ = true;
    SplitUtf16(bytes.substr(kUtf16LeMark.size()));
  } else {
    SplitAnsi(bytes);
  }
  // New lines follow the file's own line breaks.
  for (const Line& line : lines_) {
    if (!line.lineBreak.empty()) {
      newLineBreak_ = line.lineBreak;
      break;
    }
  }
}

void ProfileDocument::SplitAnsi(std::string_view bytes) {
  for (const LineExtent& extent : SplitLines(bytes)) {
    const std::string_view content = bytes.substr(extent.start, extent.length);
    const wchar_t first = extent.breakLength ? static_cast<wchar_t>(bytes[extent.start + extent.length]) : L'\0';
    lines_.push_back({codePage_->Decode(content), BreakText(extent.breakLength, first),
                      std::string(bytes.substr(extent.start, extent.length + extent.breakLength))});
  }
}

void ProfileDocument::SplitUtf16(std::string_view bytes) {
  // A stray odd byte at the end is no character and is dropped.
  std::wstring units(bytes.size() / 2, L'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  const std::wstring_view text(units);
  for (const LineExtent& extent : SplitLines(text)) {
    const wchar_t first = extent.breakLength ? text[extent.start + extent.length] : L'\0';
    lines_.push_back({std::wstring(text.substr(extent.start, extent.length)), BreakText(extent.breakLength, first),
                      std::string(bytes.substr(2 * extent.start, 2 * (extent.length + extent.breakLength)))});
  }
}

std::string ProfileDocument::Bytes() const {
  std::string bytes(utf16_ ? kUtf16LeMark : std::string_view());
  for (const Line& line : lines_) bytes += line.bytes;
  return bytes;
}

std::wstring ProfileDocument::ReadString(std::wstring_view section, std::wstring_view key,
                                         std::wstring_view def) const {
  std::wstring_view result = def;
  while (!result.empty() && result.back() == L' ') result.remove_suffix(1);
  if (const auto span = FindSection(StripSpaces(section))) {
    if (const auto index = FindKey(*span, StripSpaces(key))) {
      const std::wstring_view text = lines_[*index].text;
      result = WithoutMatchingQuotes(TrimProfileBlanks(text.substr(ClassifyProfileLine(text).valueStart)));
    }
  }
  return std::wstring(result.substr(0, kMaxValueLength));
}

void ProfileDocument::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const std::wstring sectionName = OneLine(StripSpaces(section));
  const std::wstring keyName = OneLine(StripSpaces(key));
  const std::wstring flatValue = OneLine(value);
  if (const auto span = FindSection(sectionName)) {
    if (const auto index = FindKey(*span, keyName)) {
      ReplaceValue(*index, flatValue);
    } else {
      InsertLine(EndOfContent(*span), keyName + L"=" + flatValue);
    }
    return;
  }
  InsertLine(lines_.size(), L"[" + sectionName + L"]");
  InsertLine(lines_.size(), keyName + L"=" + flatValue);
}

std::optional<ProfileDocument::SectionSpan> ProfileDocument::FindSection(std::wstring_view name) const {
  std::optional<SectionSpan> span;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ProfileLine line = ClassifyProfileLine(lines_[i].text);
    if (line.kind != ProfileLineKind::Section) continue;
    if (span) {
      span->end = i;
      return span;
    }
    if (ProfileNamesEqual(line.name, name)) span = SectionSpan{i, lines_.size()};
  }
  return span;
}

std::optional<std::size_t> ProfileDocument::FindKey(const SectionSpan& span, std::wstring_view key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const ProfileLine line = ClassifyProfileLine(lines_[i].text);
    if (line.kind == ProfileLineKind::Key && ProfileNamesEqual(line.name, key)) return i;
  }
  return std::nullopt;
}

// A new key goes after the section's last line that is not blank, so blank
// lines that separate it from the next section stay where they are.
std::size_t ProfileDocument::EndOfContent(const SectionSpan& span) const {
  std::size_t end = span.header + 1;
  for (std::size_t i = end; i < span.end; ++i) {
    if (ClassifyProfileLine(lines_[i].text).kind != ProfileLineKind::Blank) end = i + 1;
  }
  return end;
}

// The line keeps everything before its old value: indentation, the key's
// spelling and the blanks around "=".
void ProfileDocument::ReplaceValue(std::size_t index, const std::wstring& value) {
  const std::wstring& text = lines_[index].text;
  const ProfileLine line = ClassifyProfileLine(text);
  const std::size_t keep = line.valueStart < text.size() ? line.valueStart : line.equalsEnd;
  SetText(index, text.substr(0, keep) + value);
}

void ProfileDocument::InsertLine(std::size_t index, std::wstring text) {
  if (index > 0 && lines_[index - 1].lineBreak.empty()) Terminate(index - 1);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{{}, newLineBreak_, {}});
  SetText(index, std::move(text));
}

void ProfileDocument::SetText(std::size_t index, std::wstring text) {
  Line& line = lines_[index];
  line.text = std::move(text);
  std::string bytes;
  if (!Encode(line.text + line.lineBreak, bytes)) {
    SwitchToUtf16();
    Encode(line.text + line.lineBreak, bytes);
  }
  line.bytes = std::move(bytes);
}

void ProfileDocument::Terminate(std::size_t index) {
  Line& line = lines_[index];
  line.lineBreak = newLineBreak_;
  line.bytes += utf16_ ? Utf16LeBytes(newLineBreak_) : AsciiBytes(newLineBreak_);
}

bool ProfileDocument::Encode(const std::wstring& text, std::string& bytes) const {
  if (utf16_) {
    bytes = Utf16LeBytes(text);
    return true;
  }
  return codePage_->Encode(text, bytes);
}

void ProfileDocument::SwitchToUtf16() {
  utf16_ = true;
  for (Line& line : lines_) line.bytes = Utf16LeBytes(line.text + line.lineBreak);
}

}  // namespace folvane
