#pragma once

#include <string>
#include <vector>

#include "app/view_state.h"

// For authors who fly their own craft: a scene of their files alone, or their craft put into the
// demonstration in the player's place.
namespace vev {

// Points the view through the first CAMERA of the controlled Identity (before the first frame,
// the first Identity), as the demonstration starts through its player's cockpit; the camera
// stays as it was when there is none.
void startThroughFirstCamera(ModelState& model);

// Loads the files one after the other into the empty scene, alone: the first Identity of the
// first file is the controlled one and the view starts through its first camera. Files that
// cannot be read are named in the news and skipped; false when any could not be.
bool loadOwnScene(ViewState& view, const std::vector<std::string>& paths,
                  const UnreadableTextureHandler& onUnreadableTexture);

// Puts the craft of the scene file `path` into the running scene beside the controlled craft,
// flying as it flies, far enough that it overlaps no other craft; gives it control and its first
// camera, and leaves the craft it replaces to the pilot. A file that cannot be read or holds no
// part changes nothing and says so in the news; false then.
bool flyCraftFile(ViewState& view, const std::string& path,
                  const UnreadableTextureHandler& onUnreadableTexture);

}  // namespace vev
