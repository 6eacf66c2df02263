#include "render/polygon_lighting.h"

#include <algorithm>

#include "model/scene_node.h"

namespace vev {
namespace {

// Translucency below which a filled face is blended.
constexpr float kOpaqueAlpha = 0.99f;

Vec3 viewDirection(const Pose& camera, const Vec3& position) {
  Vec3 view = position - camera.position;
  normalise(view);
  return view;
}

// Brightness of the strongest reflection seen from the camera: 1 when the view and the light
// make the same angle with the face, falling off as they part.
float highlight(float seen, float lit) {
  float h = 0.0f;
  if (seen <= lit) {
    h = lit >= 0.001f ? seen / lit : 0.0f;
  } else {
    h = seen >= 0.001f ? lit / seen : 0.0f;
  }
  return h <= 0.0f ? 0.0f : h;
}

void lightFilledVertex(PolygonVertex& vertex, Polygon& polygon, const Shape& shape,
                       const Vec3& view, const Vec3& light) {
  Vec3 normal = vertex.normal;
  if (polygon.twoSided && dot(view, normal) >= 0.0f) normal = -1.0f * normal;
  const float d = std::max(-dot(light, normal), 0.0f);
  vertex.colour[3] = shape.diffuse[3];
  if (shape.diffuse[3] < kOpaqueAlpha) polygon.blend = 1;
  if (shape.lit != 0 && shape.lit != 1) return;
  const float h = shape.lit == 1 ? highlight(std::max(-dot(normal, view), 0.0f), d) : 0.0f;
  for (int c = 0; c < 3; ++c) {
    vertex.colour[c] = (kAmbientLevel[c] + (1.0f - kAmbientLevel[c]) * d) * shape.diffuse[c];
    if (shape.lit == 1) vertex.colour[c] += h * shape.specular[c];
  }
  if (shape.lit == 1) vertex.colour[3] = std::min(h * h + shape.diffuse[3], 1.0f);
}

void lightOutlineVertex(PolygonVertex& vertex, Polygon& polygon, const Shape& shape,
                        const Vec3& view, const Vec3& light) {
  float m = std::max(dot(light, view), 0.0f);
  vertex.colour[3] = shape.diffuse[3];
  if (shape.diffuse[3] != 1.0f) {
    m = 1.0f;
    polygon.blend = 1;
  }
  for (int c = 0; c < 3; ++c) {
    vertex.colour[c] = (kAmbientLevel[c] + (1.0f - kAmbientLevel[c]) * m) * shape.diffuse[c];
  }
}

}  // namespace

void lightPolygons(std::span<Polygon> polygons, const Pose& camera, const Vec3& lightDirection) {
  for (Polygon& polygon : polygons) {
    if (polygon.lightingDone) continue;
    polygon.lightingDone = 1;
    if (!polygon.owner || !polygon.owner->shape) continue;
    const Shape& shape = *polygon.owner->shape;
    for (PolygonVertex& vertex : polygon.vertices) {
      const Vec3 view = viewDirection(camera, vertex.position);
      if (polygon.outline) {
        lightOutlineVertex(vertex, polygon, shape, view, lightDirection);
      } else {
        lightFilledVertex(vertex, polygon, shape, view, lightDirection);
      }
    }
    if (shape.mapping == 0) polygon.textured = 0;
  }
}

}  // namespace vev
