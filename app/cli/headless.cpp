#include "app/cli/headless.h"

#include <cstdio>

#include "app/cli/scene_files.h"
#include "app/commands.h"
#include "app/demo_scene.h"
#include "app/own_craft.h"
#include "sim/node_kind.h"

namespace vev {

bool demoFolderHere(const char* command) {
  if (holdsDemoScene({})) return true;
  std::fprintf(stderr, "vev-scene %s: no sw/ folder here: --demo reads the demonstration from it\n",
               command);
  return false;
}

bool loadRunScene(ViewState& view, bool demo, const std::vector<std::string>& files) {
  if (!demo) {
    const bool allLoaded = loadSceneFiles(view, files);
    startThroughFirstCamera(view.model);
    return allLoaded;
  }
  const auto unreadable = [](const std::string& path) {
    std::fprintf(stderr, "Could Not read texture: %s\n", path.c_str());
  };
  SceneAssets assets = view.assets(unreadable);
  loadDemoScene(view.model, assets);
  bool allAdded = true;
  for (const std::string& path : files) {
    if (!addSceneFile(view, path, unreadable)) {
      std::fprintf(stderr, "vev-scene: %s\n", cannotOpenMessage(path).c_str());
      allAdded = false;
    }
  }
  return allAdded;
}

int countShots(const ModelState& model) {
  int shots = 0;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    shots += isShot(*it);
  }
  return shots;
}

}  // namespace vev
