#pragma once

#include "model/polygon.h"
#include "model/pose.h"

namespace vev {

// Marks visible every polygon with at least one vertex nearer to the camera than the view range.
void cullByRange(DrawList& drawList, const Pose& camera);

// Moves the translucent polygons, in their order, behind the last polygon of the list, so that
// each texture pass draws them after its opaque ones. The last polygon itself stays where it is.
void orderBlendedLast(DrawList& drawList);

}  // namespace vev
