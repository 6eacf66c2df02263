#pragma once

#include <array>
#include <vector>

#include "model/identity.h"
#include "model/polygon.h"
#include "model/vector3.h"

namespace vev {

// One test vector of the collision test, for the collision debug view; the caller draws them.
struct DebugSegment {
  Vec3 from{};
  Vec3 to{};
  std::array<float, 3> colour{};  // RGB, 0 to 1
};

using DebugLines = std::vector<DebugSegment>;

// Tests the Identity's path from its position along `displacement` (`distance` long) against the
// collision polygons of `drawList` that belong to other Identities. Each polygon whose plane the
// path crosses strictly, and inside whose edges the start point lies, is hit: the Identity's
// sound gets a play request, a shot turns into an explosion, its damage `power` is charged to the
// polygon's owner node, and it stops. Returns the distance left to travel: unchanged, or 0 once
// stopped. `frameStep` starts the explosion clock. When `debugLines` is given, every vertex tested
// adds its three test vectors to it.
float collide(Identity& identity, const Vec3& displacement, float distance,
              const DrawList& drawList, float frameStep, DebugLines* debugLines = nullptr);

}  // namespace vev
