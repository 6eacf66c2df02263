#pragma once

#include <string>

#include "app/view_state.h"

namespace vev {

// Starts the demonstration again: every sound stops, the Identities, textures, sounds and pilot
// are released, and the demonstration is loaded from `dataDir` exactly as at start-up (or the
// view's own files, when it flies them alone). The
// settings, the viewport, the joystick and the sound device stay. The texture cache's GL names
// belong to the GL context: the caller releases them first, with the context current.
void restartDemonstration(ViewState& view, const std::string& dataDir,
                          const UnreadableTextureHandler& onUnreadableTexture);

}  // namespace vev
