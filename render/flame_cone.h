#pragma once

#include <vector>

#include "model/polygon.h"
#include "model/scene_node.h"
#include "render/polygon_builder.h"

namespace vev {

// A fan of triangles from `apex` to a circle of `radius` round the origin in the frame's y-z
// plane, every `step` degrees: the jet flame, and with the apex at the centre the explosion disc.
// The apex takes the diffuse colour and the rim the specular one; the colours are final.
void appendFlameCone(std::vector<Polygon>& polygons, SceneNode& owner, const NodeFrame& frame,
                     const Vec3& apex, float radius, int step);

}  // namespace vev
