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

int LoadReport::linesWithFindings() const {
  int lines = 0;
  int last = -1;
  for (const LoadFinding& finding : findings_) {
    lines += finding.line != last ? 1 : 0;
    last = finding.line;
  }
  return lines;
}

}  // namespace vev
