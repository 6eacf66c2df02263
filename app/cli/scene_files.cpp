#include "app/cli/scene_files.h"

#include <cstdio>

#include "model/path.h"
#include "model/regular_file.h"
#include "scenefile/loader.h"

namespace vev {

bool loadSceneFiles(ViewState& view, const std::vector<std::string>& paths) {
  SceneAssets assets = view.assets([](const std::string& path) {
    std::fprintf(stderr, "Could Not read texture: %s\n", path.c_str());
  });
  bool allLoaded = true;
  for (const std::string& path : paths) {
    if (!loadSceneFile(path, view.model, assets)) {
      std::fprintf(stderr, "vev-scene: %s\n", cannotOpenMessage(path).c_str());
      allLoaded = false;
    }
  }
  return allLoaded;
}

std::string cannotOpenMessage(const std::string& path) {
  const std::string notAFile = notAFileMessage(nativePath(path));
  return "cannot open scene file " + path + (notAFile.empty() ? "" : ": it " + notAFile);
}

}  // namespace vev
