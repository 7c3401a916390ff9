#pragma once
// "CommonSections": options-file text that every skin receives in addition
// to its own. Its sections the skin lacks become extra records; its image
// references are loaded with the skin's own ones.

#include <string>
#include <vector>

#include "skin/LoadReport.h"
#include "skin/OptionsFile.h"
#include "skin/SkinTypes.h"

namespace folvane {

// What assigning the list does to its lines: every line that is not empty
// and does not start with ";" loses all its blanks.
std::vector<std::string> NormalizeCommonSections(
    const std::vector<std::string>& lines);

// Appends a record for every common section whose name (exactly) no record
// has yet. Its parent is the first earlier record whose upper-cased name
// equals the upper-cased "PARENTCLASS" ("-1" when there is none); absent
// keys take the parent's values, or the defaults without a parent. Colours
// stay as written. A gradient text that is not made of numbers raises
// EConvertError.
void AddCommonSections(const OptionsFile& common, TsGeneralDataArray& records,
                       LoadReport* report = nullptr);

}  // namespace folvane
