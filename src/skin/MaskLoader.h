#pragma once
// The mask and pattern passes over a skin's options file (and its
// "CommonSections"): masks first, then patterns; sections come last.

#include "skin/SkinContents.h"
#include "skin/SkinSources.h"

namespace folvane {

// Master bitmap, then one entry per image reference in file order, then the
// common sections' references. Errors: see ParseImageReference.
void LoadMasks(const SkinSources& sources, SkinContents& skin);

// JPEG pictures: 300 x 300 pixels or more become patterns, smaller ones
// texture masks; then the common sections' JPEG pictures, all as patterns.
void LoadPatterns(const SkinSources& sources, SkinContents& skin);

}  // namespace folvane
