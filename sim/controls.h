#pragma once

#include "model/keys.h"
#include "model/model_state.h"

namespace vev {

// Input and Identity controls for one frame, for every Identity of `model.scene` in list order:
// the controlled Identity's keys are copied from the player's `keys` and the second player's
// Identity's from `secondKeys` (each keeping its damage trigger key); then each Identity's own
// channels move and turn it and fire its attitude thrusters, its activation and target keys act,
// and the node control step runs.
void stepControls(ModelState& model, const KeyStates& keys, const KeyStates& secondKeys = {});

}  // namespace vev
