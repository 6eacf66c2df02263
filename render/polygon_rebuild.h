#pragma once

#include "model/model_state.h"
#include "model/polygon.h"
#include "render/render_settings.h"
#include "render/view_volume.h"

namespace vev {

// Rebuilds the faces of every node that moved (`dirty`) or that follows the camera (the kinds
// rebuilt every frame), seen from the active camera, and returns this frame's draw list: every
// Identity's polygons in scene order. A rebuilt node's faces move to the end of its Identity's
// list. A destroyed Identity keeps only its explosions. The pointers stay valid until the next
// rebuild. The Identities are rebuilt side by side on the machine's cores.
// Given the view, an Identity whose faces lie wholly outside it keeps its faces unbuilt (its
// nodes stay dirty) and they are marked `outOfView`, so that drawing skips them.
DrawList rebuildPolygons(ModelState& model, const RenderSettings& settings,
                         const ViewVolume* view = nullptr);

}  // namespace vev
