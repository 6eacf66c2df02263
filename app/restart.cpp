#include "app/restart.h"

#include "app/demo_scene.h"
#include "app/own_craft.h"

namespace vev {

void restartDemonstration(ViewState& view, const std::string& dataDir,
                          const UnreadableTextureHandler& onUnreadableTexture) {
  view.sounds.clear();
  view.model.reset();
  view.textures.clear();
  view.textureCache.forget();
  view.pilot = DemoPilot{};
  view.collisionLines.clear();
  if (!view.ownFiles.empty()) {
    loadOwnScene(view, view.ownFiles, onUnreadableTexture);
    return;
  }
  SceneAssets assets = view.assets(onUnreadableTexture);
  loadDemoScene(view.model, assets, dataDir);
}

}  // namespace vev
