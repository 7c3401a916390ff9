#pragma once
// The sections the program's painting and controls look up by name, with
// who looks them up. A skin without one of them still loads; its consumers
// fall back to something plainer. The skin checker lists the ones a skin
// lacks.

#include <vector>

namespace folvane {

struct LookedUpSection {
  const char* Name;
  const char* UsedBy;
};

const std::vector<LookedUpSection>& LookedUpSections();

}  // namespace folvane
