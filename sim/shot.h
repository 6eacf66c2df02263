#pragma once

#include "model/identity.h"
#include "model/scene_node.h"

namespace vev {

// Fires one shot from a "LASERCANNON" node of `shooter`: a new Identity named "AMMO", linked
// directly after the shooter, one step ahead of the muzzle, flying along the cannon's tangent at
// its `veloc` plus the shooter's velocity, sharing the cannon's sound. Its range is copied, so the
// shot does not depend on the cannon once fired. A cannon without a pose or without a `range`
// fires nothing; returns the shot or null.
Identity* spawnShot(Identity& shooter, const SceneNode& cannon, float frameStep);

// A cannon's `range` in metres, or null when its file gives none (it never fires).
const float* cannonRange(const SceneNode& cannon);

}  // namespace vev
