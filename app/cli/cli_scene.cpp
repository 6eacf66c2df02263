#include "app/cli/cli_scene.h"

#include <cstdio>
#include <utility>

#include "scenefile/loader.h"

namespace vev {

CliScene::CliScene(std::unique_ptr<SoundLibrary> sound)
    : soundTable(std::move(sound)), sounds(soundTable) {
  soundTable.init();
}

bool CliScene::loadFiles(const std::vector<std::string>& paths) {
  SceneAssets assets{textures, sounds, [](const std::string& path) {
                       std::fprintf(stderr, "Could Not read texture: %s\n", path.c_str());
                     }};
  bool allLoaded = true;
  for (const std::string& path : paths) {
    if (!loadSceneFile(path, model, assets)) {
      std::fprintf(stderr, "vev-scene: cannot open scene file %s\n", path.c_str());
      allLoaded = false;
    }
  }
  return allLoaded;
}

}  // namespace vev
