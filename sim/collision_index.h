#pragma once

#include <cstddef>
#include <vector>

#include "model/polygon.h"
#include "model/vector3.h"

namespace vev {

// The collision polygons of a draw list in its order, in blocks of neighbours with the reach of
// each block, and blocks of blocks, so that a path is tested only against the polygons it can
// hit. Built once per frame; the polygons must not change while it is used.
class CollisionIndex {
 public:
  explicit CollisionIndex(const DrawList& drawList);

  // Calls `visit(Polygon&)` for every collision polygon that a path of `distance` from `start`
  // can hit, in draw-list order.
  template <typename Visit>
  void forEachReachable(const Vec3& start, float distance, Visit&& visit) const {
    for (std::size_t outer = 0; outer < groups_.size(); ++outer) {
      if (!reaches(groups_[outer], start, distance)) continue;
      const std::size_t lastBlock = std::min(blocks_.size(), (outer + 1) * kFanOut);
      for (std::size_t block = outer * kFanOut; block < lastBlock; ++block) {
        if (!reaches(blocks_[block], start, distance)) continue;
        const std::size_t last = std::min(polygons_.size(), (block + 1) * kFanOut);
        for (std::size_t i = block * kFanOut; i < last; ++i) {
          if (reaches(reaches_[i], start, distance)) visit(*polygons_[i]);
        }
      }
    }
  }

 private:
  static constexpr std::size_t kFanOut = 16;

  // The union of the reaches it covers; `anywhere` when one of them is.
  struct Bounds {
    bool anywhere = false;
    Vec3 low{};
    Vec3 high{};
    Vec3 growth{};
  };

  static bool reaches(const Bounds& bounds, const Vec3& start, float distance);
  static Bounds boundsOf(const CollisionReach& reach);
  static void include(Bounds& into, const Bounds& part);

  std::vector<Polygon*> polygons_;
  std::vector<Bounds> reaches_;  // one per polygon
  std::vector<Bounds> blocks_;   // one per kFanOut polygons
  std::vector<Bounds> groups_;   // one per kFanOut blocks
};

}  // namespace vev
