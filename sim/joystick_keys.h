#pragma once

#include <array>
#include <cstdint>

#include "model/keys.h"
#include "sim/joystick.h"

namespace vev {

// Turns the stick's deflection into the four joystick keys `joyKeys` (up, down, left, right) of
// the player's key table, overriding what the keyboard put there, with a dead zone of 0.2 of a
// +-0.5 range around the centre. A missing joystick, or one that cannot be queried, switches
// `joystickEnabled` off and leaves the keys alone. An up key of 0 takes no input.
void pressJoystickKeys(KeyStates& keys, const std::array<KeyCode, 4>& joyKeys, Joystick* joystick,
                       std::int32_t& joystickEnabled);

}  // namespace vev
