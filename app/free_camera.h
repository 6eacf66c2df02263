#pragma once

#include "model/model_state.h"

namespace vev {

// While the free camera is the active one and Ctrl is held, the keypad keys fly it: 0.5 m
// along or 2 degrees about its own axes per frame.
void applyFreeCameraKeys(ModelState& model);

}  // namespace vev
