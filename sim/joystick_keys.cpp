#include "sim/joystick_keys.h"

#include <cmath>

#include "sim/key_access.h"

namespace vev {
namespace {

constexpr float kDeadZone = 0.2f;

// Deflection from the centre as a fraction of the axis range, -0.5 to +0.5, positive toward the
// axis minimum. An axis without a range reads as centred.
float deflection(int position, int minimum, int maximum) {
  if (maximum <= minimum) return 0.0f;
  const float centre = (static_cast<float>(minimum) + static_cast<float>(maximum)) * 0.5f;
  const float span = static_cast<float>(maximum) - static_cast<float>(minimum);
  return -(static_cast<float>(position) - centre) / span;
}

// A negative deflection presses `negativeKey` and releases `positiveKey`, a positive one the
// reverse; inside the dead zone both are released.
void pressAxisKeys(KeyStates& keys, float amount, KeyCode negativeKey, KeyCode positiveKey) {
  if (amount < 0.0f) {
    setKey(keys, negativeKey, 1);
    setKey(keys, positiveKey, 0);
  }
  if (amount > 0.0f) {
    setKey(keys, negativeKey, 0);
    setKey(keys, positiveKey, 1);
  }
  if (std::fabs(amount) <= kDeadZone) {
    setKey(keys, negativeKey, 0);
    setKey(keys, positiveKey, 0);
  }
}

}  // namespace

void pressJoystickKeys(KeyStates& keys, const std::array<KeyCode, 4>& joyKeys, Joystick* joystick,
                       std::int32_t& joystickEnabled) {
  const auto& [up, down, left, right] = joyKeys;
  if (joystickEnabled == 0 || up == 0) return;
  const auto range = joystick ? joystick->capabilities() : std::nullopt;
  if (!range) {
    joystickEnabled = 0;
    return;
  }
  const JoystickPosition position = joystick->position();
  // The stick pushed toward y's minimum (forward) presses down; toward x's minimum, left.
  pressAxisKeys(keys, deflection(position.y, range->yMin, range->yMax), up, down);
  pressAxisKeys(keys, deflection(position.x, range->xMin, range->xMax), right, left);
}

}  // namespace vev
