#pragma once

#include <string>

#include "scenefile/scene_assets.h"
#include "scenefile/scene_reader.h"

namespace vev {

// What every reader of one scene file shares: the text, the directory of the file (which
// texture and sound file names are resolved against) and where those files are loaded into.
struct SectionInput {
  SceneReader& reader;
  const std::string& directory;
  SceneAssets& assets;
};

}  // namespace vev
