#pragma once

#include "model/identity.h"

namespace vev {

// Carries a craft's flight over to a fresh load of its scene file: its place and orientation
// (the fresh craft is turned and moved as a whole), velocity and spin, and the current travel of
// the Identity's channels and of each jet's throttle. A jet is matched by its name, and by its
// place among the parts of that name where names repeat; parts without a match keep the file's
// values.
void carryFlight(const Identity& old, Identity& fresh);

}  // namespace vev
