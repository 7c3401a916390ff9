#include "skin/SectionLoader.h"

#include <algorithm>
#include <functional>

#include "skin/Gradient.h"
#include "skin/NumberText.h"
#include "skin/SectionFields.h"
#include "skin/SkinText.h"

namespace folvane {

namespace {

constexpr char kGlobalInfo[] = "GLOBALINFO";

std::int32_t StrictIfPresent(const OptionsFile& o, const char* key,
                             std::int32_t fallback, LoadReport* report) {
  const std::string* value = o.FindValue(kGlobalInfo, key);
  std::int32_t result = fallback;
  if (value) ForKey(report, kGlobalInfo, key, [&] { result = StrictInteger(*value); });
  return result;
}

// Resolves keys through the "PARENTCLASS" chains of all sections at once.
// Each section has at most one parent, so the chains form a functional
// graph: the answer of a section does not depend on where a walk entered
// it, and a memo per key keeps the work linear even for long chains. A chain
// that returns to a section it already passed ends as "absent".
class InheritedKeys {
 public:
  using IsPresent = std::function<bool(const std::string&)>;

  explicit InheritedKeys(const OptionsFile& options) : options_(options) {
    const auto& sections = options.Sections();
    parent_.assign(sections.size(), -1);
    for (std::size_t i = 0; i < sections.size(); ++i)
      parent_[i] = ParentOf(sections[i]);
  }

  // For every section, the value that its chain yields for `key`, or nullptr.
  std::vector<const std::string*> Resolve(const char* key,
                                          const IsPresent& present) const;

 private:
  int ParentOf(const OptionsFile::Section& section) const;

  const OptionsFile& options_;
  std::vector<int> parent_;
};

int InheritedKeys::ParentOf(const OptionsFile::Section& section) const {
  const OptionsFile::Key* key = section.FindKey("PARENTCLASS");
  if (!key || key->Value.empty() || key->Value == "?" ||
      key->Value == section.Name)
    return -1;
  const OptionsFile::Section* parent = options_.FindSection(key->Value);
  if (!parent || parent == &section) return -1;
  return static_cast<int>(parent - options_.Sections().data());
}

std::vector<const std::string*> InheritedKeys::Resolve(
    const char* key, const IsPresent& present) const {
  enum State : unsigned char { kUnseen, kOnPath, kDone };
  const auto& sections = options_.Sections();
  std::vector<const std::string*> result(sections.size(), nullptr);
  std::vector<State> state(sections.size(), kUnseen);
  std::vector<int> path;
  for (std::size_t start = 0; start < sections.size(); ++start) {
    const std::string* found = nullptr;
    path.clear();
    for (int s = static_cast<int>(start); s >= 0; s = parent_[s]) {
      if (state[s] == kDone) { found = result[s]; break; }
      if (state[s] == kOnPath) break;  // a loop: absent
      state[s] = kOnPath;
      path.push_back(s);
      const OptionsFile::Key* own = sections[s].FindKey(key);
      if (own && present(own->Value)) { found = &own->Value; break; }
    }
    for (int s : path) {
      result[s] = found;
      state[s] = kDone;
    }
  }
  return result;
}

bool IntegerPresent(const std::string& v) { return IntegerOr(v, -1) != -1; }
bool TextPresent(const std::string& v) { return v != "?"; }

// Fills one field of every record from the inherited values of one key.
class RecordFiller {
 public:
  RecordFiller(const InheritedKeys& keys, TsGeneralDataArray& records)
      : keys_(keys), records_(records) {}

  template <typename T>
  void Integer(const char* key, T TsGeneralData::*field, std::int32_t fallback) {
    const auto values = keys_.Resolve(key, IntegerPresent);
    for (std::size_t i = 0; i < records_.size(); ++i)
      records_[i].*field =
          static_cast<T>(values[i] ? IntegerOr(*values[i], -1) : fallback);
  }
  void Bevel(const char* key, TsControlBevel TsGeneralData::*field) {
    const auto values = keys_.Resolve(key, IntegerPresent);
    for (std::size_t i = 0; i < records_.size(); ++i)
      records_[i].*field = BevelFromInteger(values[i] ? IntegerOr(*values[i], -1) : 0);
  }
  void Bool(const char* key, bool TsGeneralData::*field) {
    const auto values = keys_.Resolve(key, TextPresent);
    for (std::size_t i = 0; i < records_.size(); ++i)
      records_[i].*field = values[i] && ToUpperAscii(*values[i]) == "TRUE";
  }
  void Text(const char* key, std::string TsGeneralData::*field,
            const char* fallback) {
    const auto values = keys_.Resolve(key, TextPresent);
    for (std::size_t i = 0; i < records_.size(); ++i)
      records_[i].*field = values[i] ? *values[i] : std::string(fallback);
  }

 private:
  const InheritedKeys& keys_;
  TsGeneralDataArray& records_;
};

}  // namespace

TsControlBevel BevelFromInteger(std::int32_t value) {
  return static_cast<TsControlBevel>(std::clamp(value, 0, 4));
}

void ReadSkinData(const OptionsFile& o, TsSkinData& data, LoadReport* report) {
  const std::string* version = o.FindValue(kGlobalInfo, "VERSION");
  data.Version = version ? ParseDecimal(*version).value_or(0.0) : 0.0;
  data.Author = o.ReadString(kGlobalInfo, "AUTHOR", "");
  data.Description = o.ReadString(kGlobalInfo, "DESCRIPTION", "");
  data.Shadow1Color = static_cast<TColor>(o.ReadInteger(kGlobalInfo, "SHADOW1COLOR", 0));
  data.Shadow1Offset = StrictIfPresent(o, "SHADOW1OFFSET", 0, report);
  data.Shadow1Blur = StrictIfPresent(o, "SHADOW1BLUR", -1, report);
  data.Shadow1Transparency = StrictIfPresent(o, "SHADOW1TRANSPARENCY", 0, report);
  data.BISpacing = o.ReadInteger(kGlobalInfo, "BISPACE", 0);
  data.BIVAlign = o.ReadInteger(kGlobalInfo, "BIVALIGN", 0);
  data.BorderColor = static_cast<TColor>(o.ReadInteger(kGlobalInfo, "BORDERCOLOR", 0));
}

void ClampSectionRanges(TsGeneralData& s) {
  for (int* percent : {&s.Transparency, &s.GradientPercent, &s.ImagePercent,
                       &s.HotTransparency, &s.HotGradientPercent,
                       &s.HotImagePercent, &s.ShadowTransparency})
    *percent = std::clamp(*percent, 0, 100);
}

void ParseSectionGradients(TsGeneralData& r, LoadReport* report) {
  r.GradientArray.clear();
  r.HotGradientArray.clear();
  if (r.GradientData != " ")
    ForKey(report, r.SectionName, "GRADIENTDATA",
           [&] { r.GradientArray = ParseGradient(r.GradientData); });
  if (r.HotGradientData != " ")
    ForKey(report, r.SectionName, "HOTGRADIENTDATA",
           [&] { r.HotGradientArray = ParseGradient(r.HotGradientData); });
}

TsGeneralDataArray ReadSections(const OptionsFile& options,
                                const SystemColors& systemColors,
                                LoadReport* report) {
  TsGeneralDataArray records(options.Sections().size());
  const InheritedKeys keys(options);
  RecordFiller filler(keys, records);
  VisitSectionFields(filler);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const OptionsFile::Section& section = options.Sections()[i];
    TsGeneralData& r = records[i];
    r.SectionName = section.Name;
    const OptionsFile::Key* parent = section.FindKey("PARENTCLASS");
    r.ParentClass = parent ? parent->Value : std::string();
    const OptionsFile::Key* shadow = section.FindKey("SHADOWCOLOR");
    r.ShadowColor = static_cast<TColor>(shadow ? IntegerOr(shadow->Value, 0) : 0);
    r.Color = ColorToRGB(r.Color, systemColors);
    ClampSectionRanges(r);
    ParseSectionGradients(r, report);
  }
  return records;
}

}  // namespace folvane
