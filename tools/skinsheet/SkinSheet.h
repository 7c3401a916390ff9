#pragma once
// The skin sheet: a skin painted with the program's own painting code on
// one labelled picture - every section in the normal, hot, pressed and
// disabled looks at three sizes over a picture (a chequer) and over a
// colour, every glyph in each of its states and faded, every texture in
// its mode, and the master bitmap.

#include <memory>
#include <string>

#include "SheetCanvas.h"

namespace folvane {
class SkinModel;
}

namespace folvane::skinsheet {

std::unique_ptr<SheetCanvas> DrawSkinSheet(const SkinModel& model, const std::wstring& skinName);

}  // namespace folvane::skinsheet
