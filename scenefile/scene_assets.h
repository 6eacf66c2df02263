#pragma once

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

}  // namespace vev
