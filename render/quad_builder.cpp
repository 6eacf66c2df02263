#include <cmath>
#include <span>

#include "model/deterministic_math.h"
#include "render/polygon_builder.h"
#include "render/polygon_lighting.h"
#include "render/shape_builders.h"

namespace vev {
namespace {

// A frame at `dist` from the camera in the direction given by heading and pitch, turning with
// that direction only, so that the face keeps its place in the view wherever the camera goes.
NodeFrame backdropFrame(const SceneNode& node, const Pose& camera) {
  const float dist = param(node, 3);
  const float heading = param(node, 4) * kRadiansPerDegree;
  const float pitch = param(node, 5) * kRadiansPerDegree;
  NodeFrame frame;
  const Vec3 towards{dmath::cos(pitch) * dmath::cos(heading), dmath::sin(pitch),
                     dmath::cos(pitch) * dmath::sin(heading)};
  frame.origin = camera.position + dist * towards;
  Vec3 x = frame.origin - camera.position;
  normalise(x);
  frame.x = x;
  frame.y = {-(x[1] * x[1] + x[2] * x[2]), x[0] * x[1], x[0] * x[2]};
  frame.z = {0.0f, -x[2], x[1]};
  return frame;
}

bool isBackdrop(const SceneNode& node) {
  return param(node, 3) != 0.0f;
}

}  // namespace

bool quadCanBeBuilt(const SceneNode& node) {
  return node.vertices.size() >= 3;
}

void buildQuad(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  if (!node.shape || !node.pose || !quadCanBeBuilt(node)) return;
  const bool backdrop = isBackdrop(node);
  const NodeFrame frame = backdrop ? backdropFrame(node, context.camera) : frameOf(*node.pose);

  std::vector<LocalVertex> corners;
  corners.reserve(node.vertices.size());
  for (const Vertex& vertex : node.vertices) corners.push_back({{vertex.x, vertex.y, vertex.z}});
  const Vec3 normal = planeNormal(corners[0].position, corners[1].position, corners[2].position);
  for (LocalVertex& corner : corners) corner.normal = normal;

  FaceStyle style;
  style.smooth = node.kind == "SMQUAD";
  style.twoSided = std::trunc(param(node, 2)) != 0.0f;
  style.outline = node.shape->wire != 0;
  style.collision = backdrop ? 0 : node.pose->collision;
  style.mapSpace = MapSpace::kWorldOrLocal;
  Polygon& face = appendFace(polygons, node, frame, corners, normal, style);
  if (backdrop) {
    // Its colour is the shape's own, whatever the light and the view.
    face.lightingDone = 1;
  } else {
    lightPolygons(std::span(&face, 1), context.camera, context.lightDirection);
  }
}

}  // namespace vev
