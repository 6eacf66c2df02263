#include "app/cli/scene_files.h"

#include <cstdio>

#include "scenefile/loader.h"

namespace vev {

bool loadSceneFiles(ViewState& view, const std::vector<std::string>& paths) {
  SceneAssets assets = view.assets([](const std::string& path) {
    std::fprintf(stderr, "Could Not read texture: %s\n", path.c_str());
  });
  bool allLoaded = true;
  for (const std::string& path : paths) {
    if (!loadSceneFile(path, view.model, assets)) {
      std::fprintf(stderr, "vev-scene: cannot open scene file %s\n", path.c_str());
      allLoaded = false;
    }
  }
  return allLoaded;
}

}  // namespace vev
