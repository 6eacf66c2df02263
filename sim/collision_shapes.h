#pragma once

#include "model/collision_face.h"
#include "model/scene_node.h"

namespace vev {

// The node's collision faces in its own frame: what its builder gives at the finest subdivision,
// with the node at the origin on unit axes, keeping the faces marked for collision; built on first
// use and kept on the node. Null for a node without a pose or a shape that has none yet; an
// empty shape for a kind without faces.
const CollisionShape* collisionShapeOf(SceneNode& node);

// Adds a face given in the node's own frame to its collision shape, creating the shape.
void addCollisionFace(SceneNode& node, CollisionFace face);

}  // namespace vev
