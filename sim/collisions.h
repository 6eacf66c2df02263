#pragma once

#include "model/identity.h"
#include "model/vector3.h"
#include "render/line_segments.h"
#include "sim/collision_world.h"

namespace vev {

// Tests the Identity's path from its position along `displacement` (`distance` long) against the
// collision faces of the other Identities in `world`. Each face whose plane the path crosses
// strictly (a craft that is not a shot: only from the side the face's normal faces), and inside
// whose edges the start point lies, is hit: the Identity's sound gets a play
// request, a shot turns into an explosion, its damage `power` is charged to the face's owner
// node, and it stops. Returns the distance left to travel: unchanged, or 0 once stopped.
// `frameStep` starts the explosion clock. When `debugLines` is given, every face is tested and
// every vertex tested adds its three test vectors to it; the hits are the same either way.
float collide(Identity& identity, const Vec3& displacement, float distance, CollisionWorld& world,
              float frameStep, DebugLines* debugLines = nullptr);

}  // namespace vev
