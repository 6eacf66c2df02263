#pragma once

#include <string>

#include "app/view_state.h"

namespace vev {

// Replaces every Identity loaded from the scene file `path` with a fresh load of the file, for
// authors who edit a file while the program runs. Each replacement takes its predecessor's place
// in the list, is moved to where it was and turned as it was, and keeps its call signs and held
// keys; the controlled Identity, the active camera (by the node's place in the file) and every
// target that pointed into a replaced Identity follow to the replacement, or fall back as when the
// Identity leaves the scene, and each keeps its flight (see carryFlight). The bitmaps and samples
// the file names are read again where they changed on disk (see refreshAssets). A file that cannot
// be read, whose last line is not `*END` (caught while it is written), or that loads without a
// single part, leaves the scene as it was. Tells what happened in the view's news.
void reloadSceneFile(ViewState& view, const std::string& path,
                     const UnreadableTextureHandler& onUnreadableTexture);

}  // namespace vev
