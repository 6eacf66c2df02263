#include "sim/collisions.h"

#include <cstddef>
#include <memory>

#include "model/text.h"
#include "sim/node_kind.h"
#include "sim/saturating.h"

namespace vev {
namespace {

constexpr std::array<float, 3> kRed{1.0f, 0.0f, 0.0f};
constexpr std::array<float, 3> kGreen{0.0f, 1.0f, 0.0f};
constexpr std::array<float, 3> kBlue{0.0f, 0.0f, 1.0f};

bool ownsNode(const Identity& identity, const SceneNode* node) {
  for (const SceneNode* own = identity.nodes.get(); own; own = own->next.get()) {
    if (own == node) return true;
  }
  return false;
}

// Whether the path from `start` to `end` goes from one side of the polygon's plane to the other;
// a path that starts or ends on the plane does not cross it.
bool crossesPlane(const Polygon& polygon, const Vec3& start, const Vec3& end) {
  const Vec3& first = polygon.vertices.front().position;
  const float endSide = dot(polygon.normal, first - end);
  const float startSide = dot(polygon.normal, first - start);
  return (startSide > 0.0f && endSide < 0.0f) || (startSide < 0.0f && endSide > 0.0f);
}

// Whether `point` lies inside the polygon's edges: at every corner it must lie on the inner side
// of both edges that meet there. Exact for polygons whose corners are at most right angles.
bool liesInside(const Polygon& polygon, const Vec3& point, DebugLines* debugLines) {
  const std::vector<PolygonVertex>& corners = polygon.vertices;
  const std::size_t count = corners.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Vec3& corner = corners[i].position;
    const Vec3& previous = corners[(i + count - 1) % count].position;
    const Vec3& following = corners[(i + 1) % count].position;
    if (debugLines) {
      debugLines->push_back({corner, previous, kRed});
      debugLines->push_back({corner, following, kBlue});
      debugLines->push_back({corner, point, kGreen});
    }
    const Vec3 toCorner = corner - point;
    const Vec3 toPrevious = previous - corner;
    const Vec3 toFollowing = following - corner;
    const float alongPrevious = dot(toCorner, toPrevious);
    const float alongFollowing = dot(toCorner, toFollowing);
    const bool passes = alongPrevious <= 0.0f && alongFollowing <= 0.0f &&
                        alongPrevious < length(toPrevious) && alongFollowing < length(toFollowing);
    if (!passes) return false;
  }
  return true;
}

// A shot that hits something becomes an explosion in place, its clock started.
void explodeShot(Identity& shot, float frameStep) {
  SceneNode* node = shot.nodes.get();
  if (!node) return;
  copyText(node->kind, "EXPLOSION");
  if (!node->shape) node->shape = std::make_unique<Shape>();
  node->shape->specular = {1.0f, 1.0f, 1.0f, 0.0f};
  writableParamSlot(*node, 0) = frameStep;  // clock
  writableParamSlot(*node, 1) = 0.1f;       // seconds to the largest size
  writableParamSlot(*node, 2) = 0.5f;       // duration
  writableParamSlot(*node, 3) = 1.0f;       // type
  writableParamSlot(*node, 4) = 0.5f;       // largest diameter
  node->sibling = nullptr;
}

void registerHit(Identity& identity, Polygon& polygon, float frameStep) {
  if (identity.sound) ++identity.sound->playRequests;
  if (isShot(identity)) explodeShot(identity, frameStep);
  if (identity.damage && polygon.owner) {
    polygon.owner->hits = addSaturated(polygon.owner->hits, identity.damage->power);
  }
  identity.motion.velocity = {0.0f, 0.0f, 0.0f};
}

bool hits(const Identity& identity, const Polygon& polygon, const Vec3& start, const Vec3& end,
          DebugLines* debugLines) {
  return crossesPlane(polygon, start, end) && !ownsNode(identity, polygon.owner) &&
         liesInside(polygon, start, debugLines);
}

}  // namespace

// A path that crosses several polygons in one step hits each of them.
float collide(Identity& identity, const Vec3& displacement, float distance,
              const DrawList& drawList, float frameStep, DebugLines* debugLines) {
  if (distance == 0.0f) return 0.0f;
  const Vec3 start = identity.pose.position;
  const Vec3 end = start + displacement;
  for (Polygon* polygon : drawList) {
    if (!polygon || polygon->collision == 0 || polygon->vertices.empty()) continue;
    if (!hits(identity, *polygon, start, end, debugLines)) continue;
    registerHit(identity, *polygon, frameStep);
    distance = 0.0f;
  }
  return distance;
}

float collide(Identity& identity, const Vec3& displacement, float distance,
              const CollisionIndex& index, float frameStep) {
  if (distance == 0.0f) return 0.0f;
  const Vec3 start = identity.pose.position;
  const Vec3 end = start + displacement;
  index.forEachReachable(start, distance, [&](Polygon& polygon) {
    if (!hits(identity, polygon, start, end, nullptr)) return;
    registerHit(identity, polygon, frameStep);
    distance = 0.0f;
  });
  return distance;
}

}  // namespace vev
