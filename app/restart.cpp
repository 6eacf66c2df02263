#include "app/restart.h"

#include "app/demo_scene.h"

namespace vev {

void restartDemonstration(ViewState& view, const std::string& dataDir,
                          const UnreadableTextureHandler& onUnreadableTexture) {
  view.sounds.clear();
  view.model.reset();
  view.textures.clear();
  view.textureCache.forget();
  view.pilot = DemoPilot{};
  view.collisionLines.clear();
  SceneAssets assets = view.assets(onUnreadableTexture);
  loadDemoScene(view.model, assets, dataDir);
}

}  // namespace vev
