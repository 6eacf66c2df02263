#include "app/view_state.h"

#include <utility>

#include "app/second_player.h"
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

const Identity* playersCraft(ViewState& view) {
  const Identity* second = view.secondPlayerView ? secondPlayerCraft(view.model) : nullptr;
  return second ? second : view.model.controlled;
}

}  // namespace vev
