#pragma once

#include "model/identity.h"

namespace vev {

// Recomputes the flight instruments in the Identity's pose: heading (0 to 360 degrees in the x-z
// plane, 90 along world +z), inclination (degrees above the horizontal) and, with a target, its
// range, azimuth and elevation in the Identity's axes. A value without a defined direction (a
// vertical nose for the heading, a target straight above or below, a target at the Identity's
// own position) keeps its previous value.
void updateInstruments(Identity& identity);

}  // namespace vev
