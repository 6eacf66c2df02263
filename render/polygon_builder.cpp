#include "render/polygon_builder.h"

namespace vev {

NodeFrame frameOf(const Pose& pose) {
  return NodeFrame{pose.position, pose.tangent, pose.normal, pose.binormal};
}

std::array<float, 2> mapCoordinates(const Shape& shape, const Vec3& p) {
  const Vec3& origin = shape.mapPoints[0];
  const Vec3 across = shape.mapPoints[1] - origin;
  const Vec3 up = shape.mapPoints[3] - origin;
  const Vec3 offset = p - origin;
  const float acrossSquared = dot(across, across);
  const float upSquared = dot(up, up);
  return {acrossSquared > 0.0f ? dot(offset, across) / acrossSquared : 0.0f,
          upSquared > 0.0f ? dot(offset, up) / upSquared : 0.0f};
}

Vec3 planeNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2) {
  Vec3 a = p1 - p0;
  Vec3 b = p2 - p0;
  normalise(a);
  normalise(b);
  Vec3 n = cross(a, b);
  normalise(n);
  return n;
}

Polygon& appendFace(std::vector<Polygon>& polygons, SceneNode& owner, const NodeFrame& frame,
                    std::span<const LocalVertex> corners, const Vec3& faceNormal,
                    const FaceStyle& style) {
  Polygon& polygon = polygons.emplace_back();
  polygon.owner = &owner;
  polygon.smooth = style.smooth;
  polygon.twoSided = style.twoSided;
  polygon.outline = style.outline;
  polygon.collision = style.collision;
  polygon.normal = frame.direction(faceNormal);
  normalise(polygon.normal);
  const Shape& shape = *owner.shape;
  polygon.textured = shape.mapping != 0;
  if (polygon.textured) polygon.texture = &shape.texturePath;
  const bool worldMapping = shape.mapping == 5;
  const bool localMapping = shape.mapping == 6 && style.mapSpace == MapSpace::kWorldOrLocal;
  polygon.vertices.reserve(corners.size());
  for (const LocalVertex& corner : corners) {
    PolygonVertex& vertex = polygon.vertices.emplace_back();
    vertex.position = frame.point(corner.position);
    vertex.normal = frame.direction(corner.normal);
    vertex.colour = shape.diffuse;
    if (worldMapping || localMapping) {
      const auto [u, v] = mapCoordinates(shape, worldMapping ? vertex.position : corner.position);
      vertex.u = u;
      vertex.v = v;
    }
  }
  return polygon;
}

}  // namespace vev
