#pragma once

#include "model/identity.h"
#include "model/vector3.h"

namespace vev {

// Moves the whole Identity (its pose, its pivot and every node) by `distance` along `direction`
// taken in its own axes and normalised; marks every node dirty. A zero direction moves nothing.
void moveIdentity(Identity& identity, const Vec3& direction, float distance);

// Turns the whole Identity by `angle` degrees about `axis` taken in its own axes, through the
// pivot of its body; marks every node dirty.
void turnIdentity(Identity& identity, const Vec3& axis, float angle);

// As turnIdentity, with the axis taken in the world axes.
void turnIdentityInWorld(Identity& identity, const Vec3& axis, float angle);

}  // namespace vev
