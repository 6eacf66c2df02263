#pragma once

#include <string>
#include <vector>

#include "model/identity.h"

namespace vev {

// Turns and moves the Identity with all its parts as a whole so that its own frame lies on
// `onto`.
void turnAndMoveOnto(Identity& identity, const Pose& onto);

// Carries a craft's flight over to a fresh load of its scene file: its place and orientation
// (the fresh craft is turned and moved as a whole), velocity and spin, the current travel of the
// Identity's channels, and each part's: wings swept, turrets turned, toggles and jet throttles
// (see takeChannelTravel). A part is matched by its name and kind, and by its place among the
// parts of that name where names repeat; parts without a match keep the file's values. Returns
// what the fresh file no longer has: the parts without a match ("NAME") and the keyed channels
// whose keys it dropped ("the controlrx of NAME").
std::vector<std::string> carryFlight(const Identity& old, Identity& fresh);

}  // namespace vev
