#pragma once

#include <cstdio>
#include <string>

#include "model/model_state.h"
#include "scenefile/load_report.h"
#include "scenefile/scene_assets.h"

namespace vev {

// Reads one scene file into a new Identity appended to `model.scene`, with its part tree placed
// in the Identity's frame. A file that cannot be opened, or that is a folder, a named pipe or a
// device, returns false at once and changes nothing.
// `report`, when given, hears every line that is skipped or read in a way its author probably
// did not mean; the file loads the same either way.
bool loadSceneFile(const std::string& path, ModelState& model, SceneAssets& assets,
                   LoadReport* report = nullptr);

// The same from a file already open at its first byte, named by `path` (its directory is the
// one texture and sound names are resolved against). Any bytes are read safely: what precedes
// the end of the file is kept. False, changing nothing, only when `file` is null.
bool loadSceneStream(std::FILE* file, const std::string& path, ModelState& model,
                     SceneAssets& assets, LoadReport* report = nullptr);

}  // namespace vev
