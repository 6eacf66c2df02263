#include "app/scripted_gunner.h"

#include "app/craft_keys.h"
#include "sim/node_kind.h"

namespace vev {

KeyStates ScriptedGunner::keys(const Identity& craft, const Identity* wanted,
                               float frameStep) const {
  KeyStates keys{};
  if (craft.alive != 1) return keys;
  pressThrottleKeys(craft, throttle_, keys);
  const bool wantedFlies = wanted && !isDestroyed(*wanted);
  if (!craft.target || (wantedFlies && craft.target != wanted)) {
    pressTargetKey(craft, keys);
    return keys;
  }
  const float range = craft.pose.targetRange;
  const Vec3 towards = bearingDirection(craft.pose);
  // About to ram the target, a player turns away from it.
  if (range < kTooClose) {
    pressSteeringKeys(craft, -1.0f * towards, frameStep, keys);
    return keys;
  }
  pressSteeringKeys(craft, towards, frameStep, keys);
  if (degreesBetween(craft.pose.tangent, towards) <= kSightsDegrees) {
    pressEveryFireKey(craft, range, keys);
  }
  return keys;
}

}  // namespace vev
