#pragma once
// The sections part of the sheet: one row per section, four looks (normal,
// hot, pressed, disabled) at three sizes over a chequer and then over a
// colour.

#include "SheetPlan.h"

namespace folvane::skinsheet {

int SheetWidth();

// Lays the rows out from `top`; answers the first free row below them.
int LayoutSections(SheetPlan& plan, const SkinModel& model, int top);

}  // namespace folvane::skinsheet
