#pragma once

#include <span>

#include "model/polygon.h"
#include "model/pose.h"
#include "model/vector3.h"

namespace vev {

// The light that every face receives whatever its orientation, per red, green and blue.
inline constexpr Vec3 kAmbientLevel{0.6f, 0.6f, 0.75f};

// Gives every vertex of the polygons not yet lit its final colour from the owner's shape, the
// single light shining along `lightDirection` and the view from `camera`; marks them lit and
// translucent where the shape is. A polygon is lit once, when it is built.
void lightPolygons(std::span<Polygon> polygons, const Pose& camera, const Vec3& lightDirection);

}  // namespace vev
