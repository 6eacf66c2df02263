#include "sim/activation.h"

#include "sim/key_access.h"

namespace vev {

void applyActivation(std::int16_t& on, BodyState& body, const KeyStates& keys) {
  if (body.activateKey != 0 && body.activateArmed == 0) on = 0;
  if (isHeld(keys, body.activateKey)) {
    on = 0;
    body.activateArmed = 0;
    body.activateTimer = 0.0f;
  }
}

void rearm(std::int16_t& on, BodyState& body, const KeyStates& keys, float step) {
  if (body.activateTimer != 0.0f) {
    body.activateTimer += step;
    if (body.activateTimer >= body.activateDelay) {
      on = 1;
      body.activateArmed = 1;
      body.activateTimer = 0.0f;
    }
  }
  if (isHeld(keys, body.activateKey)) body.activateTimer += step;
}

}  // namespace vev
