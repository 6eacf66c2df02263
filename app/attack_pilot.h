#pragma once

#include "model/identity.h"

namespace vev {

// The attack pilot's choices for one craft and one tick, made only by pressing the craft's own
// bound keys, as a player at its controls could: its target keys until the controlled craft is
// its target; the keys of its turn channels (`controlrx`/`ry`/`rz`) and attitude thrusters
// (`controlox`/`oy`/`oz`) that bring its nose towards the target, as its flight instruments give
// the target's bearing; its jets' thrust keys to keep a stand-off range; and the fire keys of
// the cannons that reach the target while it is inside a narrow cone ahead. Which key turns
// which way is worked out from each channel's rate and axis, so swapped keys still turn the
// right way; a craft without keys for something does not do it. No clock, no randomness: the
// same scene gives the same keys. `craft` must not be `controlled`; `frameStep` is the frame's
// step in seconds, by which the channels move.
void pressAttackKeys(Identity& craft, const Identity& controlled, float frameStep);

// Lets go of every key a pilot held on `craft`, except the trigger key of a destroyed craft,
// which is the simulation's own.
void releasePilotKeys(Identity& craft);

}  // namespace vev
