#pragma once
// Loading an internal skin that is kept in collections instead of a packed
// options file: no INI is read and nothing inherits.

#include "skin/LoadReport.h"
#include "skin/SkinContents.h"
#include "skin/StoredSkin.h"

namespace folvane {

void LoadStoredSkinData(const TsStoredSkin& stored, TsSkinData& data);

// One record per GeneralData item. A gradient text that is not made of
// numbers leaves the item's record partly filled and the next item is read.
TsGeneralDataArray LoadStoredSections(const TsStoredSkin& stored, LoadReport* report);

// The master bitmap and one mask per Images item. EDivByZero when an item
// needs the default widths with a MaskType of -1.
void LoadStoredMasks(const TsStoredSkin& stored, SkinContents& skin, LoadReport* report);

// One pattern per Patterns item; an item without a picture borrows the
// picture of the first other item of the same Name that has one.
void LoadStoredPatterns(const TsStoredSkin& stored, SkinContents& skin);

}  // namespace folvane
