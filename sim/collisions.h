#pragma once

#include "model/identity.h"
#include "model/polygon.h"
#include "model/vector3.h"
#include "render/line_segments.h"
#include "sim/collision_index.h"

namespace vev {

// Tests the Identity's path from its position along `displacement` (`distance` long) against the
// collision polygons of `drawList` that belong to other Identities. Each polygon whose plane the
// path crosses strictly, and inside whose edges the start point lies, is hit: the Identity's
// sound gets a play request, a shot turns into an explosion, its damage `power` is charged to the
// polygon's owner node, and it stops. Returns the distance left to travel: unchanged, or 0 once
// stopped. `frameStep` starts the explosion clock. When `debugLines` is given, every vertex tested
// adds its three test vectors to it.
// This form tests every polygon of the list, as the collision view needs for its lines.
float collide(Identity& identity, const Vec3& displacement, float distance,
              const DrawList& drawList, float frameStep, DebugLines* debugLines = nullptr);

// The same hits in the same order, testing only the polygons the path can reach.
float collide(Identity& identity, const Vec3& displacement, float distance,
              const CollisionIndex& index, float frameStep);

}  // namespace vev
