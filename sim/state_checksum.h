#pragma once

#include <cstdint>

#include "model/model_state.h"

namespace vev {

// A 64-bit hash (FNV-1a) of the simulation state, equal on two machines exactly when their
// states agree to the bit: every Identity in list order with its pose, motion, damage, keys,
// channels and target (as its place in the list), and every node with its pose, parameters,
// throttle, channels, switches and waiting hits; the controlled Identity as its place. What only
// the view decides is left out: cameras and the parts under them, drawn faces and the flags that
// ask for a rebuild.
std::uint64_t stateChecksum(const ModelState& model);

}  // namespace vev
