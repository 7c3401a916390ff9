#include "skin/CommonSections.h"

#include "skin/NumberText.h"
#include "skin/SectionFields.h"
#include "skin/SectionLoader.h"
#include "skin/SkinText.h"

namespace folvane {

std::vector<std::string> NormalizeCommonSections(
    const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  result.reserve(lines.size());
  for (const std::string& line : lines) {
    std::string kept;
    if (line.empty() || line.front() == ';') {
      kept = line;
    } else {
      for (char c : line)
        if (c != ' ') kept.push_back(c);
    }
    result.push_back(std::move(kept));
  }
  return result;
}

namespace {

// Overwrites the fields a common section states; the record already holds
// the parent's values (or the defaults) for everything else.
class CommonFieldReader {
 public:
  CommonFieldReader(const OptionsFile::Section& section, TsGeneralData& record)
      : section_(section), record_(record) {}

  template <typename T>
  void Integer(const char* key, T TsGeneralData::*field, std::int32_t) {
    if (const auto value = StatedInteger(key)) record_.*field = static_cast<T>(*value);
  }
  void Bevel(const char* key, TsControlBevel TsGeneralData::*field) {
    if (const auto value = StatedInteger(key)) record_.*field = BevelFromInteger(*value);
  }
  void Bool(const char* key, bool TsGeneralData::*field) {
    if (const OptionsFile::Key* k = section_.FindKey(key))
      record_.*field = ToUpperAscii(k->Value) == "TRUE";
  }
  void Text(const char* key, std::string TsGeneralData::*field, const char*) {
    if (const OptionsFile::Key* k = section_.FindKey(key)) record_.*field = k->Value;
  }

 private:
  // A value that is not an integer, and -1, count as not stated.
  std::optional<std::int32_t> StatedInteger(const char* key) const {
    const OptionsFile::Key* k = section_.FindKey(key);
    if (!k) return std::nullopt;
    const auto value = ParseInteger(k->Value);
    if (!value || *value == -1) return std::nullopt;
    return value;
  }

  const OptionsFile::Section& section_;
  TsGeneralData& record_;
};

bool HasRecordNamed(const TsGeneralDataArray& records, const std::string& name) {
  for (const TsGeneralData& r : records)
    if (r.SectionName == name) return true;
  return false;
}

const TsGeneralData* FindParentRecord(const TsGeneralDataArray& records,
                                      const std::string& upperName) {
  for (const TsGeneralData& r : records)
    if (ToUpperAscii(r.SectionName) == upperName) return &r;
  return nullptr;
}

TsGeneralData CommonRecord(const OptionsFile::Section& section,
                           const TsGeneralDataArray& records, LoadReport* report) {
  const OptionsFile::Key* parentKey = section.FindKey("PARENTCLASS");
  const std::string parentClass = parentKey ? ToUpperAscii(parentKey->Value) : "-1";
  const TsGeneralData* parent = FindParentRecord(records, parentClass);
  TsGeneralData record = parent ? *parent : TsGeneralData();
  record.SectionName = section.Name;
  record.ParentClass = parentClass;
  record.ShadowColor = 0;
  if (const OptionsFile::Key* shadow = section.FindKey("SHADOWCOLOR"))
    record.ShadowColor = static_cast<TColor>(IntegerOr(shadow->Value, 0));
  CommonFieldReader reader(section, record);
  VisitSectionFields(reader);
  ClampSectionRanges(record);
  ParseSectionGradients(record, report);
  return record;
}

}  // namespace

void AddCommonSections(const OptionsFile& common, TsGeneralDataArray& records,
                       LoadReport* report) {
  for (const OptionsFile::Section& section : common.Sections()) {
    if (HasRecordNamed(records, section.Name)) continue;
    // Built before it is appended, so a section that names itself as its
    // parent finds only earlier records.
    TsGeneralData record = CommonRecord(section, records, report);
    records.push_back(std::move(record));
  }
}

}  // namespace folvane
