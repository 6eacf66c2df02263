#include "sim/identity_motion.h"

#include "model/kinematics.h"

namespace vev {
namespace {

void turnIdentityInFrame(Identity& identity, Pose& reference, const Vec3& axis, float angle) {
  rotateAboutPivot(&identity.pose, nullptr, nullptr, reference, identity.body, axis[0], axis[1],
                   axis[2], angle);
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    rotateAboutPivot(node->pose.get(), node->body.get(), node->shape.get(), reference,
                     identity.body, axis[0], axis[1], axis[2], angle);
    node->dirty = 1;
  }
}

}  // namespace

void moveIdentity(Identity& identity, const Vec3& direction, float distance) {
  // The frame as it was before the move, so the nodes move exactly as the Identity did.
  Pose frame = identity.pose;
  moveInFrame(&identity.pose, &identity.body, nullptr, frame, direction[0], direction[1],
              direction[2], distance);
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    moveInFrame(node->pose.get(), node->body.get(), node->shape.get(), frame, direction[0],
                direction[1], direction[2], distance);
    node->dirty = 1;
  }
}

void turnIdentity(Identity& identity, const Vec3& axis, float angle) {
  // The frame as it was before the turn, so every node turns about the same axis.
  Pose frame = identity.pose;
  turnIdentityInFrame(identity, frame, axis, angle);
}

void turnIdentityInWorld(Identity& identity, const Vec3& axis, float angle) {
  Pose world = unitPose();
  turnIdentityInFrame(identity, world, axis, angle);
}

}  // namespace vev
