#pragma once

#include <cstdint>

#include "model/identity.h"
#include "model/model_state.h"
#include "sim/joystick.h"

namespace vev {

// Input and Identity controls for one frame, for every Identity of `model.scene` in list order:
// the controlled Identity's keys are copied from `model.keyState` (keeping its damage trigger key)
// and, while `joystickEnabled` is set, its joystick keys are pressed from `joystick` (null: no
// joystick; a failed query clears `joystickEnabled`); then each Identity's own channels move and
// turn it and fire its attitude thrusters, its activation and target keys act, and the node
// control step runs with `model.activeCamera` (or the free camera) as the view.
void stepControls(ModelState& model, Joystick* joystick, std::int32_t& joystickEnabled);

}  // namespace vev
