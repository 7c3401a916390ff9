#include "runtime/win/HandleCount.h"

namespace folvane {

HandleCount::Snapshot& HandleCount::counts() {
  static Snapshot live{};
  return live;
}

}  // namespace folvane
