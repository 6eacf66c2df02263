#pragma once

#include "model/identity.h"
#include "model/keys.h"

namespace vev {

// A player who sees only what the HUD shows of the target (its bearing, elevation and range) and
// flies with the craft's own keys: holds the throttle at a fixed level, steps the target keys
// until the wanted craft is the target (any craft once that one is gone), turns the nose onto it
// and holds every fire key while it is within a small cone of the nose and in the cannons' reach;
// closer than kTooClose to the target, or than kTooCloseToOthers to another craft ahead of it, it
// turns away from that craft instead.
class ScriptedGunner {
 public:
  static constexpr float kSightsDegrees = 2.0f;
  static constexpr float kTooClose = 40.0f;  // metres from the target, where it turns away
  static constexpr float kTooCloseToOthers = 25.0f;

  explicit ScriptedGunner(float throttle) : throttle_(throttle) {}

  // The keys for the next step of `craft`, the controlled craft, hunting `wanted` (any target
  // when null) among the Identities of the list `scene`.
  KeyStates keys(const Identity& craft, const Identity* wanted, const Identity* scene,
                 float frameStep) const;

 private:
  float throttle_;
};

}  // namespace vev
