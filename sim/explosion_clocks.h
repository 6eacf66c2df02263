#pragma once

#include "model/model_state.h"

namespace vev {

// Every EXPLOSION node's clock (parameter slot 0, seconds; 0 = idle) runs by one step once it
// has been started, and stops (back to 0) at the explosion's duration (slot 2).
void advanceExplosionClocks(ModelState& model);

}  // namespace vev
