#pragma once

#include "model/polygon.h"
#include "model/texture_list.h"
#include "render/render_settings.h"
#include "render/texture_cache.h"
#include "render/view_volume.h"

namespace vev {

// Draws this frame's polygons in world coordinates into the projection and camera set up for the
// frame: culls by range, by the view volume and by facing, draws each texture's faces in one pass
// with its image bound (sent to GL once, through `cache`), then the untextured faces, each pass
// with its translucent faces last. Faces that name a texture not in the list are not drawn.
// Reorders the draw list.
void drawPolygonList(DrawList& drawList, const ViewVolume& view, TextureCache& cache,
                     const TextureList& textures, const RenderSettings& settings);

// The plainest drawing of the same list, for measuring the renderer against: every polygon in
// list order as a fan or a closed line with its vertices, colours and texture coordinates, its
// texture bound when it changes, and nothing else.
void drawRawPolygons(const DrawList& drawList, TextureCache& cache, const TextureList& textures,
                     const RenderSettings& settings);

}  // namespace vev
