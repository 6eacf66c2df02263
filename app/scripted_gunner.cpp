#include "app/scripted_gunner.h"

#include "app/craft_keys.h"
#include "sim/node_kind.h"

namespace vev {

namespace {

// The nearest craft in flight ahead of `craft` (within 60 degrees of its nose), and its distance.
const Identity* nearestAhead(const Identity& craft, const Identity* scene, float& distance) {
  const Identity* nearest = nullptr;
  for (const Identity* it = scene; it; it = it->next.get()) {
    if (it == &craft || !it->damage || isShot(*it) || isDestroyed(*it)) continue;
    const Vec3 offset = it->pose.position - craft.pose.position;
    const float apart = length(offset);
    if (dot(offset, craft.pose.tangent) < 0.5f * apart) continue;
    if (!nearest || apart < distance) {
      nearest = it;
      distance = apart;
    }
  }
  return nearest;
}

}  // namespace

KeyStates ScriptedGunner::keys(const Identity& craft, const Identity* wanted, const Identity* scene,
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
  // About to ram the target, a player turns away from it; and from another craft right ahead.
  if (range < kTooClose) {
    pressSteeringKeys(craft, -1.0f * towards, frameStep, keys);
    return keys;
  }
  float apart = 0.0f;
  const Identity* nearest = nearestAhead(craft, scene, apart);
  if (nearest && apart < kTooCloseToOthers) {
    Vec3 away = craft.pose.position - nearest->pose.position;
    normalise(away);
    pressSteeringKeys(craft, away, frameStep, keys);
    return keys;
  }
  pressSteeringKeys(craft, towards, frameStep, keys);
  if (degreesBetween(craft.pose.tangent, towards) <= kSightsDegrees) {
    pressEveryFireKey(craft, range, keys);
  }
  return keys;
}

}  // namespace vev
