#include "app/attack_pilot.h"

#include <algorithm>

#include "app/craft_keys.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

constexpr float kStandOff = 250.0f;  // metres; beyond, the pilot opens the throttle fully
constexpr float kCloseIn = 80.0f;    // metres; nearer, it flies at its slowest
constexpr float kSlowest = 0.3f;     // the throttle it never goes below, so it keeps moving
constexpr float kFireCone = 4.0f;    // degrees off a cannon's line within which it fires

// The throttle wanted at a range: full beyond the stand-off, slowest when close, in between in
// proportion; never stopped, so that the craft keeps passing and turning back.
float wantedThrottle(float range) {
  const float share = (range - kCloseIn) / (kStandOff - kCloseIn);
  return kSlowest + (1.0f - kSlowest) * std::clamp(share, 0.0f, 1.0f);
}

}  // namespace

void releasePilotKeys(Identity& craft) {
  const KeyCode trigger = craft.damage ? craft.damage->triggerKey : 0;
  for (int key = 0; key < kKeyCount; ++key) {
    if (key != trigger) craft.keys[static_cast<std::size_t>(key)] = 0;
  }
}

void pressAttackKeys(Identity& craft, const Identity& controlled, float frameStep) {
  if (craft.alive != 1 || isShot(craft)) return;
  releasePilotKeys(craft);
  if (craft.target != &controlled) {
    pressTargetKey(craft, craft.keys);
    return;
  }
  const float range = craft.pose.targetRange;
  if (range <= 0.0f) return;
  const Vec3 towards = bearingDirection(craft.pose);
  pressSteeringKeys(craft, towards, frameStep, craft.keys);
  pressThrottleKeys(craft, wantedThrottle(range), craft.keys);
  pressFireKeysOfAimedCannons(craft, towards, range, kFireCone, craft.keys);
}

}  // namespace vev
