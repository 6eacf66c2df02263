#pragma once

#include <string>
#include <vector>

namespace vev {

// A line of a scene file that the loader skipped, or read in a way its author probably did not
// mean, told in the author's words.
struct LoadFinding {
  int line = 0;
  std::string message;
};

// Listens to the loading of one scene file. A file loads exactly the same with a report as
// without one: the report only hears what the readers decided.
class LoadReport {
 public:
  void note(int line, std::string message);

  // In line order; findings of one line in the order they were noted.
  const std::vector<LoadFinding>& findings() const { return findings_; }

 private:
  std::vector<LoadFinding> findings_;
};

}  // namespace vev
