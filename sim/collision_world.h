#pragma once

#include <cstddef>
#include <vector>

#include "model/collision_face.h"
#include "model/model_state.h"
#include "render/polygon_builder.h"

namespace vev {

// Where a path must start to hit what the bounds cover: inside the box `low` to `high` grown on
// each axis by `growth` per metre of path, or anywhere.
struct ReachBounds {
  bool anywhere = false;
  Vec3 low{};
  Vec3 high{};
  Vec3 growth{};

  bool reaches(const Vec3& start, float distance) const;
};

// The collision faces of one step: those of every node with collision on, of every Identity not
// destroyed, where the nodes stood when the world was made. A node's faces are placed in the
// world only when a path comes near it; the Identities that the dynamics move one by one are
// tested against the poses all of them had at the start. The same faces in the same order
// whatever the camera and the drawing settings.
class CollisionWorld {
 public:
  explicit CollisionWorld(ModelState& model);

  // Calls `visit(CollisionFace&)` for every face of the other Identities that a path of
  // `distance` from `start` can hit, in scene and node order.
  template <typename Visit>
  void forEachReachable(const Identity& mover, const Vec3& start, float distance, Visit&& visit) {
    for (const Body& body : bodies_) {
      if (body.identity == &mover || !body.bounds.reaches(start, distance)) continue;
      for (std::size_t n = body.firstNode; n < body.endNode; ++n) {
        PlacedNode& node = nodes_[n];
        if (!node.bounds.reaches(start, distance)) continue;
        placeFaces(node);
        for (std::size_t f = 0; f < node.faces.size(); ++f) {
          if (node.faceBounds[f].reaches(start, distance)) visit(node.faces[f]);
        }
      }
    }
  }

  // Calls `visit(CollisionFace&)` for every face of the other Identities, in the same order; the
  // collision view draws every test.
  template <typename Visit>
  void forEachFace(const Identity& mover, Visit&& visit) {
    for (const Body& body : bodies_) {
      if (body.identity == &mover) continue;
      for (std::size_t n = body.firstNode; n < body.endNode; ++n) {
        placeFaces(nodes_[n]);
        for (CollisionFace& face : nodes_[n].faces) visit(face);
      }
    }
  }

 private:
  struct PlacedNode {
    const CollisionShape* shape = nullptr;
    NodeFrame frame;
    ReachBounds bounds;
    bool placed = false;
    std::vector<CollisionFace> faces;
    std::vector<ReachBounds> faceBounds;
  };
  struct Body {
    const Identity* identity = nullptr;
    ReachBounds bounds;
    std::size_t firstNode = 0;
    std::size_t endNode = 0;
  };

  void addIdentity(Identity& identity);
  static void placeFaces(PlacedNode& node);

  std::vector<PlacedNode> nodes_;
  std::vector<Body> bodies_;
};

}  // namespace vev
