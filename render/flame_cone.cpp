#include "render/flame_cone.h"

#include "model/deterministic_math.h"

namespace vev {

void appendFlameCone(std::vector<Polygon>& polygons, SceneNode& owner, const NodeFrame& frame,
                     const Vec3& apex, float radius, int step) {
  const Shape& shape = *owner.shape;
  const Vec3 normal = frame.direction({-1.0f, 0.0f, 0.0f});
  const auto rim = [&](int degrees) {
    const float a = static_cast<float>(degrees) * kRadiansPerDegree;
    return frame.point({0.0f, dmath::cos(a) * radius, dmath::sin(a) * radius});
  };
  const int blend = shape.diffuse[3] != 1.0f || shape.specular[3] != 1.0f;
  for (int degrees = 0; degrees < 360; degrees += step) {
    Polygon& polygon = polygons.emplace_back();
    polygon.owner = &owner;
    polygon.smooth = 1;
    polygon.twoSided = 1;
    polygon.blend = blend;
    polygon.lightingDone = 1;
    polygon.outline = shape.wire != 0;
    polygon.normal = normal;
    normalise(polygon.normal);
    polygon.vertices = {{frame.point(apex), normal, shape.diffuse},
                        {rim(degrees), normal, shape.specular},
                        {rim(degrees + step), normal, shape.specular}};
  }
}

}  // namespace vev
