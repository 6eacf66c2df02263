#pragma once

#include "model/vector3.h"

namespace vev {

// How loud an emitter at `emitter` is heard at `listener`: 1 at the listener, falling linearly
// to 0 at `range` metres and staying 0 beyond. An emitter without a positive range is not heard.
float distanceGain(const Vec3& emitter, const Vec3& listener, float range);

}  // namespace vev
