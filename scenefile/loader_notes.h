#pragma once

#include <string>
#include <vector>

#include "model/scene_node.h"
#include "model/texture_list.h"
#include "scenefile/scene_reader.h"

// What the loader tells a load report about a file's structure: section keywords, the part
// tree and the end of the file.
namespace vev {

// A section keyword that names no kind: its section's lines are skipped.
void noteUnknownSection(SceneReader& reader, int line, const std::string& keyword);

// The file ended before `*END`.
void noteMissingEnd(SceneReader& reader);

// A section that loads but does nothing an author would see: a face textured with a picture but
// without `maps`, a HUD item without its `color` or a text item without its `text`, a cannon
// without `range` or whose `controlactivate` is set but which has no `fire` key, a camera without
// `zoom`, a part without `tang` or `norm`. `line` is the section keyword's.
void noteDoesNothing(SceneReader& reader, int line, const SceneNode& node,
                     const TextureList& textures);

// Every colour the file gives is at most 1 %: written on a 0-1 scale.
void noteFractionColours(SceneReader& reader);

// One of the first two lines, which are the file's title, reads like a field or section line.
void noteTitleLines(SceneReader& reader, const std::string& first, const std::string& second);

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
