#pragma once

#include <span>

#include "model/polygon.h"
#include "model/pose.h"

namespace vev {

// Gives every smooth filled face the normal of its first three corners (turned towards the camera
// for a two-sided face seen from behind) at all its vertices; with `average`, each such vertex
// then takes the mean normal of the vertices within 0.001 of it, so that the facets of a curved
// surface shade as one.
void smoothNormals(std::span<Polygon> polygons, const Pose& camera, bool average);

}  // namespace vev
