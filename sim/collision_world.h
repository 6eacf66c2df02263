#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
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
// A collision face where its node stood at the start of the step: the corners in order, the unit
// normal and the node that a hit damages.
struct PlacedFace {
  std::span<const Vec3> corners;
  Vec3 normal{};
  SceneNode* owner = nullptr;
};

class CollisionWorld {
 public:
  explicit CollisionWorld(ModelState& model);

  // Calls `visit(const PlacedFace&)` for every face of the other Identities that a path of
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
          if (node.faces[f].bounds.reaches(start, distance)) visit(placedFace(node, f));
        }
      }
    }
  }

  // Calls `visit(const PlacedFace&)` for every face of the other Identities, in the same order;
  // the collision view draws every test.
  template <typename Visit>
  void forEachFace(const Identity& mover, Visit&& visit) {
    for (const Body& body : bodies_) {
      if (body.identity == &mover) continue;
      for (std::size_t n = body.firstNode; n < body.endNode; ++n) {
        PlacedNode& node = nodes_[n];
        placeFaces(node);
        for (std::size_t f = 0; f < node.faces.size(); ++f) visit(placedFace(node, f));
      }
    }
  }

 private:
  // One face's corners are `corners[firstCorner]` onwards, as many as its shape's face has.
  struct FaceInWorld {
    Vec3 normal{};
    std::uint32_t firstCorner = 0;
    ReachBounds bounds;
  };
  // The faces of a node, placed together so that a step allocates little for them.
  struct PlacedNode {
    const CollisionShape* shape = nullptr;
    NodeFrame frame;
    ReachBounds bounds;
    bool placed = false;
    std::vector<FaceInWorld> faces;
    std::vector<Vec3> corners;
  };
  struct Body {
    const Identity* identity = nullptr;
    ReachBounds bounds;
    std::size_t firstNode = 0;
    std::size_t endNode = 0;
  };

  void addIdentity(Identity& identity);
  static void placeFaces(PlacedNode& node);
  static PlacedFace placedFace(const PlacedNode& node, std::size_t face);

  std::vector<PlacedNode> nodes_;
  std::vector<Body> bodies_;
};

}  // namespace vev
