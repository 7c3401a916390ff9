#pragma once
// The skin options file ("Options.dat") held in memory: sections of
// key=value lines. Lookups ignore ASCII letter case; enumeration gives the
// names as written, in file order. The first occurrence of a key wins, and a
// section header that repeats an earlier one continues that section.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace folvane {

class OptionsFile {
 public:
  struct Key {
    std::string Name;
    std::string Value;
  };
  struct Section {
    explicit Section(std::string name) : Name(std::move(name)) {}
    std::string Name;
    std::vector<Key> Keys;  // first occurrence of each name only
    const Key* FindKey(std::string_view name) const;

   private:
    friend class OptionsFile;
    std::unordered_map<std::string, std::size_t> byUpperName_;
  };

  OptionsFile() = default;

  // Options text as stored in a skin: lines are trimmed of blanks and
  // control characters; ";" starts a comment line.
  static OptionsFile Parse(std::string_view text);
  static OptionsFile FromLines(const std::vector<std::string>& lines);

  // The "CommonSections" list: its lines were stripped of blanks when it was
  // assigned and are taken untrimmed; a section starts only at a line whose
  // first character is "[" and last is "]".
  static OptionsFile FromCommonLines(const std::vector<std::string>& lines);

  const std::vector<Section>& Sections() const { return sections_; }
  const Section* FindSection(std::string_view name) const;
  bool HasSection(std::string_view name) const {
    return FindSection(name) != nullptr;
  }
  // nullptr when the key is absent.
  const std::string* FindValue(std::string_view section,
                               std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Decimal or "0x" integer; anything else reads as `fallback`.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  // Upper-cased value compared with "TRUE".
  bool ReadBool(std::string_view section, std::string_view key,
                bool fallback) const;

 private:
  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
  void AddLine(std::string_view line, bool commonRules);
  void StartSection(std::string_view name);
  // Names are looked up by their upper-cased form so that a large hostile
  // file costs linear time, not quadratic.
  std::unordered_map<std::string, std::size_t> byUpperName_;
  std::size_t current_ = kNoSection;
  std::vector<Section> sections_;
};

// Splits bytes into lines at CR LF, LF or CR.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace folvane
