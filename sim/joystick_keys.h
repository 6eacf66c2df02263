#pragma once

#include <cstdint>

#include "model/identity.h"
#include "sim/joystick.h"

namespace vev {

// Turns the stick's deflection into the Identity's four joystick keys (up, down, left, right),
// overriding what the keyboard put there, with a dead zone of 0.2 of a +-0.5 range around the
// centre. A missing joystick, or one that cannot be queried, switches
// `joystickEnabled` off and leaves the keys alone. An Identity whose up key is 0 takes no input.
void pressJoystickKeys(Identity& identity, Joystick* joystick, std::int32_t& joystickEnabled);

}  // namespace vev
