#pragma once

#include "model/model_state.h"

namespace vev {

// The pilot of the computer-flown craft: a counter of timer ticks, 0 to 99, and which of the two
// pilots flies. The demonstration pilot holds thrust and turns in a fixed cycle; the attack pilot
// (see pressAttackKeys) flies each craft against the players' craft.
struct DemoPilot {
  int pilotTick = 0;
  bool attack = false;     // the pilot wanted from the next tick on
  bool attacking = false;  // the pilot that flew the last tick
};

// One timer tick. Only while `frameReady` is set: advances the pilot and presses its keys on
// every Identity but the players' (the attack pilot: but the players' and the shots),
// and returns true (a frame is to follow). When the pilot changes, the craft first let go of every
// key the other one held. Ticks that arrive during a frame or a load do nothing and return false.
bool tick(ModelState& model, DemoPilot& pilot);

}  // namespace vev
