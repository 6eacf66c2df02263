#pragma once

#include <string>
#include <vector>

#include "model/pose.h"
#include "render/hud_plane.h"

// Words drawn over the middle of the view, whatever the scene's HUD holds, so that they show in
// every view and in full screen: the destruction of the controlled craft, and the messages that
// matter for a few seconds after they are told.
namespace vev {

// "DESTROYED" in large letters across the middle, and "PRESS R TO RESTART" below it.
void drawDestroyedBanner(const Pose* camera, const HudView& view);

// The lines the messages take below the middle of the view: a message longer than a line goes
// on over the next ones, broken between words, and when they are more than the rows there, the
// oldest go.
std::vector<std::string> viewMessageLines(const std::vector<std::string>& messages);

// The messages' lines, centred, in the lower third of the view, the newest last.
void drawViewMessages(const std::vector<std::string>& messages, const Pose* camera,
                      const HudView& view);

}  // namespace vev
