#pragma once

#include "model/model_state.h"

namespace vev {

// Once per frame, after the controls, in list order: marks shots that have flown their range or
// whose explosion has ended as destroyed, removes every destroyed Identity whose `removal` is 0,
// and leaves destroyed Identities with another `removal` as wrecks (not alive, every node dirty).
// Identities without damage are never touched. References to a removed Identity are moved first
// (see releaseReferences), and the draw list must be rebuilt before it is used again.
void sweepSpent(ModelState& model);

}  // namespace vev
