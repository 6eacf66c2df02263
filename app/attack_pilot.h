#pragma once

#include <vector>

#include "model/identity.h"

namespace vev {

// A craft a pilot keeps clear of and does not shoot through (every Identity that can be damaged
// and is not a shot, wrecks included), with the radius about its position that holds its
// collision faces.
struct CraftExtent {
  const Identity* craft = nullptr;
  float size = 0.0f;
};
using Traffic = std::vector<CraftExtent>;
// The craft players fly: the controlled one first, then the second player's in a game for two.
using Players = std::vector<const Identity*>;

// The craft of the scene starting at `head`, worked out once per tick.
Traffic trafficOf(const Identity* head);

// The attack pilot's choices for one craft and one tick, made only by pressing the craft's own
// bound keys, as a player at its controls could. When it foresees passing within about twice
// the sum of its and another craft's sizes within the next second (from a player's craft, which
// flies faster: within about four and a half times, foreseen two seconds ahead while it closes
// in faster than this craft), it turns away from that pass, at full throttle if that is ahead and
// at its slowest if not. Otherwise it fights one of the players' craft in flight: the one it has as
// its target, unless another is less than half as far, else the nearest. It steps its target keys
// until that craft is its target; turns its nose towards it, as its flight instruments give the
// target's bearing; keeps a stand-off range with its jets' throttle; and fires the cannons that
// reach the target while it is inside a narrow cone ahead, unless another craft lies in the line of
// fire. Once every player's craft is destroyed it circles near the first one's wreck. Which key
// turns which way is worked out from each channel's rate and axis, and a craft without keys for
// something does not do it. No clock, no randomness: the same scene gives the same keys. `players`
// holds at least one craft and not `craft`; `frameStep` is the frame's step in seconds, by which
// the channels move.
void pressAttackKeys(Identity& craft, const Players& players, const Traffic& traffic,
                     float frameStep);

// Lets go of every key a pilot held on `craft`, except the trigger key of a destroyed craft,
// which is the simulation's own.
void releasePilotKeys(Identity& craft);

}  // namespace vev
