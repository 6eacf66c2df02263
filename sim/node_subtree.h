#pragma once

#include <vector>

#include "model/kinematics.h"
#include "model/pose.h"
#include "model/scene_node.h"
#include "model/vector3.h"

namespace vev {

// Visits the descendants of `node`: the run of nodes that follows it in file order, counted with
// each node's childCount. A list that ends before the count does ends the walk.
template <typename Visit>
void forEachDescendant(SceneNode& node, Visit&& visit) {
  int pending = node.childCount;
  for (SceneNode* descendant = node.next.get(); descendant && pending > 0;
       descendant = descendant->next.get()) {
    visit(*descendant);
    pending += descendant->childCount - 1;
  }
}

// The node's channels move the node itself at once and add the same motion to `subtree`, which
// its descendants are to follow (see SubtreeMotions); both are marked dirty.

// Moves the node (pose, pivot and moving map points) by `distance` along `direction`, taken in
// the node's own axes and normalised. A zero direction moves by nothing. A node without a pose
// has no frame and moves nothing.
void moveNodeSubtree(SceneNode& node, const Vec3& direction, float distance, RigidMotion& subtree);

// Turns the node by `angle` degrees about `axis` taken in the node's own axes, through the node's
// own pivot. A node without a pose or without a body (and so without a pivot) turns nothing.
void turnNodeSubtree(SceneNode& node, const Vec3& axis, float angle, RigidMotion& subtree);

// As moveNodeSubtree, with the direction taken in `reference`'s axes.
void moveSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& direction, float distance,
                        RigidMotion& subtree);

// As turnNodeSubtree, with the axis taken in `reference`'s axes; still through the node's pivot.
void turnSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& axis, float angle,
                        RigidMotion& subtree);

// Moves the descendants of `node` by `motion` and marks them dirty.
void moveDescendants(SceneNode& node, const RigidMotion& motion);

// Hands the nodes of a list, walked once in file order, what their ancestors' channels did in
// this step, each node taking the motions of all its ancestors in one go: the step stays linear
// in the number of nodes however deep the parts are nested.
class SubtreeMotions {
 public:
  // Brings `node`, the next in file order, up to date with the motion of its ancestors.
  void enter(SceneNode& node);
  // Once `node`'s own channels have moved it by `own`, its descendants are to follow its
  // ancestors' motion and then `own`.
  void leave(const SceneNode& node, const RigidMotion& own);

 private:
  struct Open {
    int childrenToCome;
    RigidMotion motion;
  };
  std::vector<Open> open_;  // the ancestors of the next node, outermost first
};

}  // namespace vev
