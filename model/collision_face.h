#pragma once

#include <vector>

#include "model/vector3.h"

namespace vev {

struct SceneNode;

// Where a path must start to hit a face (see sim/collision_reach.h): inside the box `low` to
// `high` grown on each axis by `growth` times the path's length.
struct CollisionReach {
  enum class Kind { unknown, box, anywhere, nowhere };
  Kind kind = Kind::unknown;
  Vec3 low{};
  Vec3 high{};
  Vec3 growth{};
};

// A face that shots are tested against: its corners in order and its unit normal. The faces of a
// node's shape are kept in the node's own frame and placed in the world where a path may reach.
struct CollisionFace {
  std::vector<Vec3> corners;
  Vec3 normal{};
  SceneNode* owner = nullptr;
  CollisionReach reach;  // in the node's own frame, kept with the shape
};

// A node's collision faces in its own frame, built once from its shape at a fixed subdivision,
// and the union of their reaches in that frame.
struct CollisionShape {
  std::vector<CollisionFace> faces;
  CollisionReach reach;
};

}  // namespace vev
