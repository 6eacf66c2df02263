#pragma once

#include "model/model_state.h"
#include "render/line_segments.h"
#include "sim/collision_world.h"

namespace vev {

// Flight dynamics of one frame, for every Identity of `model.scene` in list order, alive or not:
// the top-level jets of living Identities push and turn them, damage received by top-level
// nodes is taken, velocity and spin integrate over the fixed step (with `gravity`) and are damped
// by the Identity's `cvv` and `cmm`, the path is tested against `world` (see collide), an
// Identity whose damage exceeds its strength is destroyed, and the flight instruments are
// updated. `debugLines`, when given, collects the collision test vectors. `collisionMs`, when
// given, receives the time the collision tests took, for benchmarks; nothing else reads a clock.
void stepDynamics(ModelState& model, CollisionWorld& world, DebugLines* debugLines = nullptr,
                  double* collisionMs = nullptr);

}  // namespace vev
