#pragma once

#include "model/collision_face.h"

namespace vev {

// Where a path can start and still hit the face, worked out from the hit test itself (see
// collide): the path must cross the face's plane, so its start lies within the path's length
// of the plane, and the start must lie inside the face's edges, which puts it between the two
// planes across each edge through its ends. Two edges far from parallel and the plane bound a
// slanted box; `low` and `high` hold its corners for a path of length 0, and `growth` says how
// far it grows per metre of path. A face without two such edges can be hit from anywhere, one
// without a normal from nowhere. Generous by a small margin, so that rounding in the hit test
// never lets a hit through that the reach would have ruled out.
CollisionReach reachOf(const CollisionFace& face);

}  // namespace vev
