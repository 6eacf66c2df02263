#include "sim/collision_shapes.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "render/build_context.h"
#include "render/shape_builders.h"
#include "sim/collision_reach.h"

namespace vev {
namespace {

// What the builders read of a node, at the origin on unit axes.
std::unique_ptr<SceneNode> unitCopyOf(const SceneNode& node) {
  auto copy = std::make_unique<SceneNode>();
  copy->kind = node.kind;
  copy->shape = std::make_unique<Shape>(*node.shape);
  copy->pose = std::make_unique<Pose>(unitPose());
  copy->pose->collision = 1;
  copy->vertices = node.vertices;
  copy->params = node.params;
  return copy;
}

void includeReach(CollisionReach& into, const CollisionReach& part) {
  if (part.kind == CollisionReach::Kind::nowhere) return;
  if (into.kind == CollisionReach::Kind::anywhere) return;
  if (part.kind != CollisionReach::Kind::box || into.kind == CollisionReach::Kind::unknown ||
      into.kind == CollisionReach::Kind::nowhere) {
    into = part;
    return;
  }
  for (std::size_t axis = 0; axis < 3; ++axis) {
    into.low[axis] = std::min(into.low[axis], part.low[axis]);
    into.high[axis] = std::max(into.high[axis], part.high[axis]);
    into.growth[axis] = std::max(into.growth[axis], part.growth[axis]);
  }
}

std::unique_ptr<CollisionShape> buildCollisionShape(SceneNode& node) {
  auto shape = std::make_unique<CollisionShape>();
  shape->reach.kind = CollisionReach::Kind::nowhere;
  const ShapeBuilder builder = solidBuilder(node.kind);
  if (!builder) return shape;
  const std::unique_ptr<SceneNode> copy = unitCopyOf(node);
  const Pose origin = unitPose();
  const BuildContext context{origin, {0.0f, 0.0f, -1.0f}, 0.04f, RenderSettings{}, true};
  std::vector<Polygon> polygons;
  builder(*copy, polygons, context);
  for (const Polygon& polygon : polygons) {
    if (polygon.collision == 0 || polygon.vertices.empty()) continue;
    CollisionFace& face = shape->faces.emplace_back();
    for (const PolygonVertex& vertex : polygon.vertices) face.corners.push_back(vertex.position);
    face.normal = polygon.normal;
    face.owner = &node;
    face.reach = reachOf(face);
    includeReach(shape->reach, face.reach);
  }
  return shape;
}

}  // namespace

const CollisionShape* collisionShapeOf(SceneNode& node) {
  if (!node.collisionShape && node.pose && node.shape) {
    node.collisionShape = buildCollisionShape(node);
  }
  return node.collisionShape.get();
}

void addCollisionFace(SceneNode& node, CollisionFace face) {
  if (!node.collisionShape) {
    node.collisionShape = std::make_unique<CollisionShape>();
    node.collisionShape->reach.kind = CollisionReach::Kind::nowhere;
  }
  face.owner = &node;
  face.reach = reachOf(face);
  includeReach(node.collisionShape->reach, face.reach);
  node.collisionShape->faces.push_back(std::move(face));
}

}  // namespace vev
