#include "scenefile/load_report.h"

#include <algorithm>
#include <utility>

namespace vev {

// Most findings come in line order; what a section's field order leaves unused is only known
// when the section ends, after findings of later lines.
void LoadReport::note(int line, std::string message) {
  const auto after =
      std::upper_bound(findings_.begin(), findings_.end(), line,
                       [](int value, const LoadFinding& finding) { return value < finding.line; });
  findings_.insert(after, LoadFinding{line, std::move(message)});
}

}  // namespace vev
