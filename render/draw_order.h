#pragma once

#include "model/polygon.h"
#include "render/view_volume.h"

namespace vev {

// Marks visible every polygon with at least one vertex nearer to the camera than the view range
// that is not wholly outside the view volume (such a face would not reach a single pixel) and
// whose Identity was rebuilt for this view.
void cullOutsideView(DrawList& drawList, const ViewVolume& view);

// Moves the translucent polygons, in their order, behind the last polygon of the list, so that
// each texture pass draws them after its opaque ones. The last polygon itself stays where it is.
void orderBlendedLast(DrawList& drawList);

}  // namespace vev
