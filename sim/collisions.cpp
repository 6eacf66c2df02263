#include "sim/collisions.h"

#include <cstddef>
#include <memory>
#include <span>

#include "model/text.h"
#include "sim/node_kind.h"
#include "sim/saturating.h"

namespace vev {
namespace {

constexpr std::array<float, 3> kRed{1.0f, 0.0f, 0.0f};
constexpr std::array<float, 3> kGreen{0.0f, 1.0f, 0.0f};
constexpr std::array<float, 3> kBlue{0.0f, 0.0f, 1.0f};

// Whether the path from `start` to `end` goes from one side of the face's plane to the other;
// a path that starts or ends on the plane does not cross it. With `inwardOnly`, only a path from
// the side the normal faces to the back counts: one leaving from behind is on its way out.
bool crossesPlane(const PlacedFace& face, const Vec3& start, const Vec3& end, bool inwardOnly) {
  const Vec3& first = face.corners.front();
  const float endSide = dot(face.normal, first - end);
  const float startSide = dot(face.normal, first - start);
  const bool inward = startSide < 0.0f && endSide > 0.0f;
  return inward || (!inwardOnly && startSide > 0.0f && endSide < 0.0f);
}

// Whether `point` lies inside the face's edges: at every corner it must lie on the inner side of
// both edges that meet there. Exact for faces whose corners are at most right angles.
bool liesInside(const PlacedFace& face, const Vec3& point, DebugLines* debugLines) {
  const std::span<const Vec3> corners = face.corners;
  const std::size_t count = corners.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Vec3& corner = corners[i];
    const Vec3& previous = corners[(i + count - 1) % count];
    const Vec3& following = corners[(i + 1) % count];
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

void registerHit(Identity& identity, const PlacedFace& face, float frameStep) {
  if (identity.sound) ++identity.sound->playRequests;
  if (isShot(identity)) explodeShot(identity, frameStep);
  if (identity.damage && face.owner) {
    face.owner->hits = addSaturated(face.owner->hits, identity.damage->power);
  }
  identity.motion.velocity = {0.0f, 0.0f, 0.0f};
}

// A craft that starts behind a face (inside a hull it overlaps) is not held by it on its way
// out, or two craft that touch would stay welded; a shot is stopped from either side.
bool hits(const Identity& mover, const PlacedFace& face, const Vec3& start, const Vec3& end,
          DebugLines* debugLines) {
  return !face.corners.empty() && crossesPlane(face, start, end, !isShot(mover)) &&
         liesInside(face, start, debugLines);
}

}  // namespace

// A path that crosses several faces in one step hits each of them.
float collide(Identity& identity, const Vec3& displacement, float distance, CollisionWorld& world,
              float frameStep, DebugLines* debugLines) {
  if (distance == 0.0f) return 0.0f;
  const Vec3 start = identity.pose.position;
  const Vec3 end = start + displacement;
  float left = distance;
  const auto test = [&](const PlacedFace& face) {
    if (!hits(identity, face, start, end, debugLines)) return;
    registerHit(identity, face, frameStep);
    left = 0.0f;
  };
  if (debugLines) {
    world.forEachFace(identity, test);
  } else {
    world.forEachReachable(identity, start, distance, test);
  }
  return left;
}

}  // namespace vev
