#include "sim/collision_world.h"

#include <algorithm>
#include <cmath>

#include "sim/collision_shapes.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

// Slack for the rounding between a face's reach in its node's frame and in the world.
constexpr float kRelativeSlack = 2e-4f;
constexpr float kAbsoluteSlack = 2e-3f;

void include(ReachBounds& into, const ReachBounds& part, bool first) {
  if (first) {
    into = part;
    return;
  }
  into.anywhere = into.anywhere || part.anywhere;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    into.low[axis] = std::min(into.low[axis], part.low[axis]);
    into.high[axis] = std::max(into.high[axis], part.high[axis]);
    into.growth[axis] = std::max(into.growth[axis], part.growth[axis]);
  }
}

// The world box that holds the shape's reach wherever the frame turns it.
ReachBounds worldBounds(const CollisionReach& local, const NodeFrame& frame) {
  if (local.kind != CollisionReach::Kind::box) return ReachBounds{.anywhere = true};
  const Vec3 centre = 0.5f * (local.low + local.high);
  const Vec3 half = 0.5f * (local.high - local.low);
  const Vec3 middle = frame.point(centre);
  const Vec3* axes[3] = {&frame.x, &frame.y, &frame.z};
  ReachBounds bounds;
  float scale = 0.0f;
  for (std::size_t i = 0; i < 3; ++i) {
    float extent = 0.0f;
    float growth = 0.0f;
    for (std::size_t j = 0; j < 3; ++j) {
      extent += std::fabs((*axes[j])[i]) * half[j];
      growth += std::fabs((*axes[j])[i]) * local.growth[j];
    }
    bounds.low[i] = middle[i] - extent;
    bounds.high[i] = middle[i] + extent;
    bounds.growth[i] = growth * (1.0f + kRelativeSlack);
    scale += std::fabs(middle[i]) + 3.0f * extent;
  }
  const float slack = kAbsoluteSlack + kRelativeSlack * scale;
  for (std::size_t i = 0; i < 3; ++i) {
    bounds.low[i] -= slack;
    bounds.high[i] += slack;
  }
  return bounds;
}

}  // namespace

bool ReachBounds::reaches(const Vec3& start, float distance) const {
  if (anywhere) return true;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    const float grown = growth[axis] * distance;
    if (start[axis] < low[axis] - grown || start[axis] > high[axis] + grown) return false;
  }
  return true;
}

CollisionWorld::CollisionWorld(ModelState& model) {
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    if (!isDestroyed(*identity)) addIdentity(*identity);
  }
}

void CollisionWorld::addIdentity(Identity& identity) {
  Body body;
  body.identity = &identity;
  body.firstNode = nodes_.size();
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (!node->pose || node->pose->collision == 0) continue;
    const CollisionShape* shape = collisionShapeOf(*node);
    if (!shape || shape->faces.empty()) continue;
    PlacedNode& placed = nodes_.emplace_back();
    placed.shape = shape;
    placed.frame = frameOf(*node->pose);
    placed.bounds = worldBounds(shape->reach, placed.frame);
    include(body.bounds, placed.bounds, nodes_.size() - 1 == body.firstNode);
  }
  body.endNode = nodes_.size();
  if (body.endNode > body.firstNode) bodies_.push_back(body);
}

// Corners and normal turned into the world as the builders turn them.
void CollisionWorld::placeFaces(PlacedNode& node) {
  if (node.placed) return;
  node.placed = true;
  const std::vector<CollisionFace>& localFaces = node.shape->faces;
  std::size_t cornerCount = 0;
  for (const CollisionFace& local : localFaces) cornerCount += local.corners.size();
  node.faces.reserve(localFaces.size());
  node.corners.reserve(cornerCount);
  for (const CollisionFace& local : localFaces) {
    FaceInWorld& face = node.faces.emplace_back();
    face.firstCorner = static_cast<std::uint32_t>(node.corners.size());
    for (const Vec3& corner : local.corners) node.corners.push_back(node.frame.point(corner));
    face.normal = node.frame.direction(local.normal);
    normalise(face.normal);
    face.bounds = local.reach.kind == CollisionReach::Kind::nowhere
                      ? ReachBounds{false, {1, 1, 1}, {-1, -1, -1}, {}}
                      : worldBounds(local.reach, node.frame);
  }
}

PlacedFace CollisionWorld::placedFace(const PlacedNode& node, std::size_t face) {
  const CollisionFace& local = node.shape->faces[face];
  const FaceInWorld& placed = node.faces[face];
  return {std::span<const Vec3>(node.corners).subspan(placed.firstCorner, local.corners.size()),
          placed.normal, local.owner};
}

}  // namespace vev
