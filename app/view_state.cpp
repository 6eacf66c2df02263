#include "app/view_state.h"

#include <utility>

#include "sound/sound_shutdown.h"

namespace vev {

ViewState::ViewState(std::unique_ptr<SoundLibrary> sound)
    : soundTable(std::move(sound)), sounds(soundTable) {
  soundTable.init();
}

ViewState::~ViewState() {
  shutdownSound(sounds);
}

SceneAssets ViewState::assets(UnreadableTextureHandler onUnreadableTexture) {
  return SceneAssets{textures, sounds, std::move(onUnreadableTexture)};
}

}  // namespace vev
