#pragma once

#include "model/model_state.h"

namespace vev {

// While the free camera is the active one and Ctrl is held, the keypad keys fly it: 0.5 m
// along or 2 degrees about its own axes per frame.
void applyFreeCameraKeys(ModelState& model);

// Puts the free camera behind and above `subject`, looking at it, and makes it the active one:
// the view of a craft's destruction from outside.
void watchFromOutside(ModelState& model, const Identity& subject);

}  // namespace vev
