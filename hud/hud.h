#pragma once

#include <string>

#include "model/identity.h"
#include "model/pose.h"
#include "render/hud_plane.h"

// What the frame calls of the head-up display and the control panel, right after the camera is
// set and before the scene is rebuilt, so that they show the previous frame's values. Both are
// drawn with the HUD primitives on the plane in front of `camera`, recomputed from the scene
// every frame, and change nothing in it.
namespace vev {

// The HUD items of the controlled Identity, each by its kind. Nothing when `panel` is off or
// nothing is controlled.
void drawHud(const Identity* scene, const Identity* controlled, const Pose* camera,
             const HudView& view, bool panel);

// The keys of every key-driven channel of the controlled Identity and of its nodes, one line
// each in orange from the top left. Nothing when `show` is off or nothing is controlled.
void drawControlPanel(const Identity* controlled, bool show, const Pose* camera,
                      const HudView& view);

// The short on-screen name of a virtual-key code ("T", "SHIFT", "NUM 4"); a code without a
// name is written as its number ("32" for the space bar).
std::string keyName(int code);

}  // namespace vev
