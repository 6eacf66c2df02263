#include "app/view_state.h"

#include <utility>

namespace vev {

ViewState::ViewState(std::unique_ptr<SoundLibrary> sound)
    : soundTable(std::move(sound)), sounds(soundTable) {
  soundTable.init();
}

SceneAssets ViewState::assets(UnreadableTextureHandler onUnreadableTexture) {
  return SceneAssets{textures, sounds, std::move(onUnreadableTexture)};
}

}  // namespace vev
