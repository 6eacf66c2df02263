#pragma once

#include <string>
#include <vector>

#include "model/scene_node.h"
#include "scenefile/scene_reader.h"

// What the loader tells a load report about a file's structure: section keywords, the part
// tree and the end of the file.
namespace vev {

// A section keyword that names no kind: its section's lines are skipped.
void noteUnknownSection(SceneReader& reader, int line, const std::string& keyword);

// The file ended before `*END`.
void noteMissingEnd(SceneReader& reader);

// A section that declares children in `childs`, as read, for comparing with what was linked.
struct DeclaredChildren {
  const SceneNode* node;
  int line;  // the section keyword's
  int declared;
};

// Sections whose `childs` count more children than followed them in the file; `childCount` is
// the number linked once the tree is finished.
void noteMissingChildren(SceneReader& reader, const std::vector<DeclaredChildren>& sections);

}  // namespace vev
