#pragma once
// The picture parts of the sheet: glyphs in each state and faded, textures
// as a tile and laid in their mode, and the master bitmap.

#include "SheetPlan.h"

namespace folvane::skinsheet {

// Each answers the first free row below what it laid out from `top`.
int LayoutGlyphs(SheetPlan& plan, const SkinModel& model, TextMeasure& measure, int top);
int LayoutTextures(SheetPlan& plan, const SkinModel& model, TextMeasure& measure, int top);
int LayoutMaster(SheetPlan& plan, const SkinModel& model, int top);

}  // namespace folvane::skinsheet
