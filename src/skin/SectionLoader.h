#pragma once
// Reading the options file into the skin-wide TsSkinData and one
// TsGeneralData record per section, with inheritance through "PARENTCLASS".

#include "skin/LoadReport.h"
#include "skin/OptionsFile.h"
#include "skin/SkinTypes.h"
#include "skin/SystemColors.h"

namespace folvane {

// "GLOBALINFO" into `data` (SkinPath and Active are left alone). A
// SHADOW1OFFSET, SHADOW1BLUR or SHADOW1TRANSPARENCY that is present but not
// an integer raises EConvertError.
void ReadSkinData(const OptionsFile& options, TsSkinData& data,
                  LoadReport* report = nullptr);

// One record per section in file order. A gradient text that is not made of
// numbers raises EConvertError.
TsGeneralDataArray ReadSections(const OptionsFile& options,
                                const SystemColors& systemColors,
                                LoadReport* report = nullptr);

// GradientArray and HotGradientArray from their texts (one blank: none).
void ParseSectionGradients(TsGeneralData& section, LoadReport* report);

// Stores percentages inside 0 ... 100.
void ClampSectionRanges(TsGeneralData& section);
// A file integer as a bevel, clamped to cbNone ... cbLoweredHard.
TsControlBevel BevelFromInteger(std::int32_t value);

}  // namespace folvane
