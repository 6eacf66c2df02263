#include "sim/collision_index.h"

#include <algorithm>

#include "sim/collision_reach.h"

namespace vev {
CollisionIndex::CollisionIndex(const DrawList& drawList) {
  for (Polygon* polygon : drawList) {
    if (!polygon || polygon->collision == 0 || polygon->vertices.empty()) continue;
    if (polygon->reach.kind == CollisionReach::Kind::unknown) polygon->reach = reachOf(*polygon);
    if (polygon->reach.kind == CollisionReach::Kind::nowhere) continue;
    polygons_.push_back(polygon);
    reaches_.push_back(boundsOf(polygon->reach));
  }
  blocks_.resize((reaches_.size() + kFanOut - 1) / kFanOut);
  for (std::size_t i = 0; i < reaches_.size(); ++i) {
    if (i % kFanOut == 0) blocks_[i / kFanOut] = reaches_[i];
    include(blocks_[i / kFanOut], reaches_[i]);
  }
  groups_.resize((blocks_.size() + kFanOut - 1) / kFanOut);
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    if (i % kFanOut == 0) groups_[i / kFanOut] = blocks_[i];
    include(groups_[i / kFanOut], blocks_[i]);
  }
}

bool CollisionIndex::reaches(const Bounds& bounds, const Vec3& start, float distance) {
  if (bounds.anywhere) return true;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    const float grown = bounds.growth[axis] * distance;
    if (start[axis] < bounds.low[axis] - grown || start[axis] > bounds.high[axis] + grown) {
      return false;
    }
  }
  return true;
}

CollisionIndex::Bounds CollisionIndex::boundsOf(const CollisionReach& reach) {
  if (reach.kind != CollisionReach::Kind::box) return Bounds{true};
  return Bounds{false, reach.low, reach.high, reach.growth};
}

void CollisionIndex::include(Bounds& into, const Bounds& part) {
  into.anywhere = into.anywhere || part.anywhere;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    into.low[axis] = std::min(into.low[axis], part.low[axis]);
    into.high[axis] = std::max(into.high[axis], part.high[axis]);
    into.growth[axis] = std::max(into.growth[axis], part.growth[axis]);
  }
}

}  // namespace vev
