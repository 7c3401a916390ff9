#pragma once
// System colours: a colour whose high byte is 0xFF (any negative value)
// names the platform's colour number "low byte". The skin code asks an
// injected table, so it stays window-free; the Windows build feeds the table
// from the running system, native tests from a fixed one.

#include <array>

#include "runtime/PixelBuffer.h"
#include "runtime/SystemColor.h"

namespace folvane {

constexpr int kSysColorButtonFace = 15;

class SystemColors {
 public:
  virtual ~SystemColors() = default;
  // RGB of system colour `index`; 0 for an index the system does not know.
  virtual TColor Get(int index) const = 0;
};

// A fixed table, by default the classic grey scheme.
class SystemColorTable : public SystemColors {
 public:
  static constexpr int kCount = 31;
  SystemColorTable();
  TColor Get(int index) const override;
  void Set(int index, TColor rgb);

 private:
  std::array<TColor, kCount> colors_;
};

const SystemColors& ClassicSystemColors();

// The running system's colours (Windows builds only).
const SystemColors& WindowsSystemColors();

// A system colour becomes its RGB value; any other colour is returned as is.
TColor ColorToRGB(TColor color, const SystemColors& system);

}  // namespace folvane
