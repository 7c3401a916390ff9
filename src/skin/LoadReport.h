#pragma once
// Collects the faults of a skin while it loads, for the skin checker. Without
// a report the loader behaves as the program does: faults that fail the load
// raise their error, faults the program passes over (a missing picture)
// quietly make no entry. With a report every fault is told here, with its
// section and key, and loading goes on with the next key.

#include <exception>
#include <string_view>

namespace folvane {

class LoadReport {
 public:
  virtual ~LoadReport() = default;
  // `failsLoad`: the program stops loading the skin at this fault.
  virtual void Fault(std::string_view section, std::string_view key,
                     std::string_view text, bool failsLoad) = 0;
};

// Runs `work` for one key. Without a report an exception leaves as it came;
// with one it is reported against the key and loading continues.
template <typename Work>
void ForKey(LoadReport* report, std::string_view section, std::string_view key,
            Work&& work) {
  if (!report) {
    work();
    return;
  }
  try {
    work();
  } catch (const std::exception& e) {
    report->Fault(section, key, e.what(), true);
  }
}

inline void ReportQuietFault(LoadReport* report, std::string_view section,
                             std::string_view key, std::string_view text) {
  if (report) report->Fault(section, key, text, false);
}

}  // namespace folvane
