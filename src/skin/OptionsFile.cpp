#include "skin/OptionsFile.h"

#include "skin/NumberText.h"
#include "skin/SkinText.h"

namespace folvane {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

OptionsFile OptionsFile::Parse(std::string_view text) {
  // Editors may put a UTF-8 byte-order mark before the first section.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return FromLines(SplitLines(text));
}

OptionsFile OptionsFile::FromLines(const std::vector<std::string>& lines) {
  OptionsFile file;
  for (const std::string& line : lines) file.AddLine(TrimControls(line), false);
  return file;
}

OptionsFile OptionsFile::FromCommonLines(const std::vector<std::string>& lines) {
  OptionsFile file;
  for (const std::string& line : lines) file.AddLine(line, true);
  return file;
}

void OptionsFile::AddLine(std::string_view line, bool commonRules) {
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
    const std::string_view name = line.substr(1, line.size() - 2);
    StartSection(commonRules ? name : TrimControls(name));
    return;
  }
  const std::size_t eq = line.find('=');
  if (current_ == kNoSection || eq == std::string_view::npos) return;
  Section& section = sections_[current_];
  const std::string_view key = TrimBlanks(line.substr(0, eq));
  const auto added =
      section.byUpperName_.emplace(ToUpperAscii(key), section.Keys.size());
  if (!added.second) return;  // the first occurrence of a key wins
  section.Keys.push_back(
      Key{std::string(key), std::string(TrimBlanks(line.substr(eq + 1)))});
}

void OptionsFile::StartSection(std::string_view name) {
  const auto added = byUpperName_.emplace(ToUpperAscii(name), sections_.size());
  if (added.second) sections_.emplace_back(std::string(name));
  current_ = added.first->second;
}

const OptionsFile::Key* OptionsFile::Section::FindKey(std::string_view name) const {
  const auto found = byUpperName_.find(ToUpperAscii(name));
  return found == byUpperName_.end() ? nullptr : &Keys[found->second];
}

const OptionsFile::Section* OptionsFile::FindSection(std::string_view name) const {
  const auto found = byUpperName_.find(ToUpperAscii(name));
  return found == byUpperName_.end() ? nullptr : &sections_[found->second];
}

const std::string* OptionsFile::FindValue(std::string_view section,
                                          std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  const Key* k = s->FindKey(key);
  return k ? &k->Value : nullptr;
}

std::string OptionsFile::ReadString(std::string_view section,
                                    std::string_view key,
                                    std::string_view fallback) const {
  const std::string* value = FindValue(section, key);
  return value ? *value : std::string(fallback);
}

std::int32_t OptionsFile::ReadInteger(std::string_view section,
                                      std::string_view key,
                                      std::int32_t fallback) const {
  const std::string* value = FindValue(section, key);
  return value ? IntegerOr(*value, fallback) : fallback;
}

bool OptionsFile::ReadBool(std::string_view section, std::string_view key,
                           bool fallback) const {
  const std::string* value = FindValue(section, key);
  return value ? ToUpperAscii(*value) == "TRUE" : fallback;
}

}  // namespace folvane
