#pragma once

#include <string>

#include "model/model_state.h"
#include "model/texture_list.h"
#include "scenefile/texture_loader.h"
#include "sound/sound_registry.h"

namespace vev {

// What a scene file's texture and sound lines load into, kept beyond the load.
struct SceneAssets {
  TextureList& textures;
  SoundRegistry& sounds;
  UnreadableTextureHandler onUnreadableTexture;
};

// Reads one scene file into a new Identity appended to `model.scene`, with its part tree placed
// in the Identity's frame. A file that cannot be opened returns false and changes nothing.
bool loadSceneFile(const std::string& path, ModelState& model, SceneAssets& assets);

}  // namespace vev
