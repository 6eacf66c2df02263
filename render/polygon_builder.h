#pragma once

#include <span>
#include <vector>

#include "model/polygon.h"
#include "model/pose.h"
#include "model/scene_node.h"
#include "model/vector3.h"

// Shared by the builders: turning a node's local points into world polygons.
namespace vev {

inline constexpr float kRadiansPerDegree = 0.01745328f;

// A node's frame: a local point (x, y, z) is origin + x X + y Y + z Z in the world.
struct NodeFrame {
  Vec3 origin{};
  Vec3 x{1.0f, 0.0f, 0.0f};
  Vec3 y{0.0f, 1.0f, 0.0f};
  Vec3 z{0.0f, 0.0f, 1.0f};

  Vec3 point(const Vec3& local) const {
    return origin + local[0] * x + local[1] * y + local[2] * z;
  }
  Vec3 direction(const Vec3& local) const { return local[0] * x + local[1] * y + local[2] * z; }
};

NodeFrame frameOf(const Pose& pose);

// A corner in the node's own coordinates.
struct LocalVertex {
  Vec3 position{};
  Vec3 normal{};
};

// How the texture coordinates of a textured face are found: from the world position (mapping 5)
// or, where a family allows it, from the local position (mapping 6).
enum class MapSpace { kWorldOnly, kWorldOrLocal };

// The flags a family gives its faces.
struct FaceStyle {
  int smooth = 0;
  int twoSided = 0;
  int outline = 0;
  int collision = 0;
  MapSpace mapSpace = MapSpace::kWorldOnly;
};

// Appends a face of `owner` built from local corners: positions and normals turned to world, the
// face normal normalised (the vertex normals are not), every colour the shape's diffuse colour,
// and the texture name and coordinates when the shape is textured.
Polygon& appendFace(std::vector<Polygon>& polygons, SceneNode& owner, const NodeFrame& frame,
                    std::span<const LocalVertex> corners, const Vec3& faceNormal,
                    const FaceStyle& style);

// Texture coordinates of point p from the first, second and fourth map points of the shape.
std::array<float, 2> mapCoordinates(const Shape& shape, const Vec3& p);

// The normal of the plane through the first three points (a x b of the unit edges from the first
// point), unit length; zero when an edge has no length.
Vec3 planeNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2);

// Parameter slot 0-8 of a node; a slot that no keyword wrote is 0, as the zero-filled cells that a
// later keyword would have created.
inline float param(const SceneNode& node, int slot) {
  const float* value = paramSlot(node, slot);
  return value ? *value : 0.0f;
}

}  // namespace vev
