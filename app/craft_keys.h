#pragma once

#include "model/identity.h"
#include "model/keys.h"
#include "model/vector3.h"

namespace vev {

// What a pilot at a craft's controls can do by pressing its bound keys into `keys`: which key
// turns which way is worked out from each channel's rate and axis, so swapped keys still act the
// right way, and a craft without keys for something does not do it.

// The angle between two directions, in degrees.
float degreesBetween(const Vec3& a, const Vec3& b);

// The target's direction in the world, read back from the craft's bearing instruments: the
// azimuth across, the elevation up (counted over the top when the target is behind).
Vec3 bearingDirection(const Pose& pose);

void pressKey(KeyStates& keys, KeyCode key);

// Presses the turn channels' (`controlrx`/`ry`/`rz`) keys whose turn brings the nose nearest
// `towards`, and the attitude thrusters' (`controlox`/`oy`/`oz`) keys that bring the spin nearest
// the one that swings the nose there, slowing as it arrives.
void pressSteeringKeys(const Identity& craft, const Vec3& towards, float frameStep,
                       KeyStates& keys);

// Moves each jet's throttle, as its thrust bar shows it, towards `wanted` (0 to 1).
void pressThrottleKeys(const Identity& craft, float wanted, KeyStates& keys);

// Presses the fire key of every cannon that reaches `range` and whose own line is within `cone`
// degrees of `towards`.
void pressFireKeysOfAimedCannons(const Identity& craft, const Vec3& towards, float range,
                                 float cone, KeyStates& keys);

// Presses the fire key of every cannon that reaches `range`.
void pressEveryFireKey(const Identity& craft, float range, KeyStates& keys);

// Presses the next-target key (or, without one, the previous-target key) on ticks after one it
// was up, so that each press steps the target once.
void pressTargetKey(const Identity& craft, KeyStates& keys);

}  // namespace vev
