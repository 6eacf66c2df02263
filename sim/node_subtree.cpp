#include "sim/node_subtree.h"

#include "model/kinematics.h"

namespace vev {
namespace {

void moveOne(SceneNode& node, Pose& reference, const Vec3& direction, float distance) {
  moveInFrame(node.pose.get(), node.body.get(), node.shape.get(), reference, direction[0],
              direction[1], direction[2], distance);
  node.dirty = 1;
}

void turnOne(SceneNode& node, Pose& reference, BodyState& pivotBody, const Vec3& axis,
             float angle) {
  rotateAboutPivot(node.pose.get(), node.body.get(), node.shape.get(), reference, pivotBody,
                   axis[0], axis[1], axis[2], angle);
  node.dirty = 1;
}

}  // namespace

void moveSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& direction, float distance) {
  moveOne(node, reference, direction, distance);
  forEachDescendant(
      node, [&](SceneNode& descendant) { moveOne(descendant, reference, direction, distance); });
}

void turnSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& axis, float angle) {
  if (!node.body) return;
  BodyState& pivotBody = *node.body;
  turnOne(node, reference, pivotBody, axis, angle);
  forEachDescendant(
      node, [&](SceneNode& descendant) { turnOne(descendant, reference, pivotBody, axis, angle); });
}

void moveNodeSubtree(SceneNode& node, const Vec3& direction, float distance) {
  if (!node.pose) return;
  moveSubtreeInFrame(node, *node.pose, direction, distance);
}

void turnNodeSubtree(SceneNode& node, const Vec3& axis, float angle) {
  if (!node.pose) return;
  // The node's frame as it was before the turn, so every descendant turns about the same axis.
  Pose frame = *node.pose;
  turnSubtreeInFrame(node, frame, axis, angle);
}

}  // namespace vev
