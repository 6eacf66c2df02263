#pragma once

#include "model/polygon.h"
#include "model/pose.h"
#include "model/texture_list.h"
#include "render/render_settings.h"

namespace vev {

// Draws this frame's polygons in world coordinates into the projection and camera set up for the
// frame: culls by range and by facing, draws each texture's faces in one pass after uploading its
// image, then the untextured faces, each pass with its translucent faces last. Faces that name a
// texture not in the list are not drawn. Reorders the draw list.
void drawPolygonList(DrawList& drawList, const Pose& camera, const TextureList& textures,
                     const RenderSettings& settings);

}  // namespace vev
