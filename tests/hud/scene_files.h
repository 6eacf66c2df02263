#pragma once

#include <memory>
#include <string>

#include "model/model_state.h"
#include "model/texture_list.h"
#include "scenefile/loader.h"
#include "sound/silent_sound_library.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

namespace vev::test {

// A model loaded from the scene files in tests/data/hud, as the program loads them.
struct HudSceneFiles {
  bool load(const std::string& name) {
    return loadSceneFile(std::string(VEV_SOURCE_DIR) + "/tests/data/hud/" + name, model, assets);
  }

  ModelState model;
  TextureList textures;
  SoundTable table{std::make_unique<SilentSoundLibrary>()};
  SoundRegistry sounds{table};
  SceneAssets assets{textures, sounds, {}};
};

}  // namespace vev::test
