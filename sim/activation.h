#pragma once

#include <cstdint>

#include "model/body_state.h"
#include "model/keys.h"

namespace vev {

// The activation channel of a node (`on` is its `active`) or of an Identity (its `alive`).
// An activatable control is off while disarmed; pressing its key switches it off, disarms it and
// restarts its timer.
void applyActivation(std::int16_t& on, BodyState& body, const KeyStates& keys);

// Run while the control is off: a running timer advances by one step and, once it has reached
// the delay, the control is back on and armed. A held activation key advances the timer by a
// further step, which starts it after a press and halves the wait while the key stays down.
void rearm(std::int16_t& on, BodyState& body, const KeyStates& keys, float step);

}  // namespace vev
