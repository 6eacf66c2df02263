#include "sim/node_subtree.h"

namespace vev {

void moveSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& direction, float distance,
                        RigidMotion& subtree) {
  moveInFrame(node.pose.get(), node.body.get(), node.shape.get(), reference, direction[0],
              direction[1], direction[2], distance);
  node.dirty = 1;
  subtree = followedBy(subtree,
                       moveMotion(reference, direction[0], direction[1], direction[2], distance));
}

void turnSubtreeInFrame(SceneNode& node, Pose& reference, const Vec3& axis, float angle,
                        RigidMotion& subtree) {
  if (!node.body) return;
  BodyState& pivotBody = *node.body;
  rotateAboutPivot(node.pose.get(), node.body.get(), node.shape.get(), reference, pivotBody,
                   axis[0], axis[1], axis[2], angle);
  node.dirty = 1;
  subtree =
      followedBy(subtree, turnMotion(reference, axis[0], axis[1], axis[2], angle, pivotBody.pivot));
}

void moveNodeSubtree(SceneNode& node, const Vec3& direction, float distance, RigidMotion& subtree) {
  if (!node.pose) return;
  moveSubtreeInFrame(node, *node.pose, direction, distance, subtree);
}

void turnNodeSubtree(SceneNode& node, const Vec3& axis, float angle, RigidMotion& subtree) {
  if (!node.pose) return;
  // The node's frame as it was before the turn, so the descendants turn about the same axis.
  Pose frame = *node.pose;
  turnSubtreeInFrame(node, frame, axis, angle, subtree);
}

void moveDescendants(SceneNode& node, const RigidMotion& motion) {
  if (!motion.moves) return;
  forEachDescendant(node, [&](SceneNode& descendant) {
    applyMotion(motion, descendant.pose.get(), descendant.body.get(), descendant.shape.get());
    descendant.dirty = 1;
  });
}

void SubtreeMotions::enter(SceneNode& node) {
  while (!open_.empty() && open_.back().childrenToCome <= 0) open_.pop_back();
  if (open_.empty()) return;
  --open_.back().childrenToCome;
  const RigidMotion& inherited = open_.back().motion;
  if (!inherited.moves) return;
  applyMotion(inherited, node.pose.get(), node.body.get(), node.shape.get());
  node.dirty = 1;
}

void SubtreeMotions::leave(const SceneNode& node, const RigidMotion& own) {
  if (node.childCount <= 0) return;
  const RigidMotion inherited = open_.empty() ? RigidMotion{} : open_.back().motion;
  open_.push_back({node.childCount, followedBy(inherited, own)});
}

}  // namespace vev
