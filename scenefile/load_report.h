#pragma once

#include <string>
#include <vector>

#include "model/scene_node.h"

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

  // Sound lines left silent because the scene's sound table is full: not a fault of the file.
  void noteSilentSound(int line) { silentSounds_.push_back(line); }
  const std::vector<int>& silentSounds() const { return silentSounds_; }

  // The node that the section keyword on `line` opened, for findings about the loaded node.
  struct Section {
    const SceneNode* node;
    int line;
  };
  void noteSection(int line, const SceneNode& node) { sections_.push_back({&node, line}); }
  // In file order; the nodes belong to the model the file was loaded into.
  const std::vector<Section>& sections() const { return sections_; }

 private:
  std::vector<LoadFinding> findings_;
  std::vector<Section> sections_;
  std::vector<int> silentSounds_;
};

}  // namespace vev
