#pragma once

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

// Moves the node and its descendants (pose, pivot and moving map points) by `distance` along
// `direction`, taken in the node's own axes and normalised; marks them dirty. A zero direction
// moves nothing. A node without a pose has no frame and moves nothing.
void moveNodeSubtree(SceneNode& node, const Vec3& direction, float distance);

// Turns the node and its descendants by `angle` degrees about `axis` taken in the node's own
// axes, through the node's own pivot; marks them dirty. A node without a pose or without a body
// (and so without a pivot) turns nothing.
void turnNodeSubtree(SceneNode& node, const Vec3& axis, float angle);

// As moveNodeSubtree, with the direction taken in `reference`'s axes.
void moveSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& direction, float distance);

// As turnNodeSubtree, with the axis taken in `reference`'s axes; still through the node's pivot.
void turnSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& axis, float angle);

}  // namespace vev
