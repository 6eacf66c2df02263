#pragma once

#include "model/model_state.h"

namespace vev {

// The pilot of the computer-flown craft: a counter of timer ticks, 0 to 99.
struct DemoPilot {
  int pilotTick = 0;
};

// One timer tick. Only while `frameReady` is set: advances the pilot and presses its keys on
// every Identity after the first, and returns true (a frame is to follow). Ticks that arrive
// during a frame or a load do nothing and return false.
bool tick(ModelState& model, DemoPilot& pilot);

}  // namespace vev
