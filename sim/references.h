#pragma once

#include "model/identity.h"
#include "model/model_state.h"

namespace vev {

// Moves every reference into `leaving` elsewhere before it leaves the scene: `controlled` goes
// to the first other Identity that is not a shot (or, with only shots left, to the first other
// one; null when none is left), an `activeCamera` on its pose or one of its nodes' poses goes to
// the free camera, and every other Identity's `target` on it is cleared. Shots share their sound,
// so nothing is needed there.
void releaseReferences(ModelState& model, const Identity& leaving);

}  // namespace vev
