#pragma once

#include "model/kinematics.h"
#include "model/pose.h"
#include "model/scene_node.h"
#include "sim/node_kind.h"
#include "sim/node_subtree.h"

namespace vev {

// Moves a node, and gathers in `subtree` the motion its descendants are to follow, by its rail,
// translation and rotation channels, in that order. `travel(channel, act)` decides how far each
// channel goes: it calls `act` with the signed distance (metres or degrees) and keeps the
// channel's rooms up to date. A camera pans about its own up axis; any other part swings about
// the up axis of `identityPose`.
template <typename Travel>
void moveByChannels(SceneNode& node, Pose& identityPose, Travel&& travel, RigidMotion& subtree) {
  constexpr Vec3 kAxisX{1.0f, 0.0f, 0.0f};
  constexpr Vec3 kAxisY{0.0f, 1.0f, 0.0f};
  constexpr Vec3 kAxisZ{0.0f, 0.0f, 1.0f};
  BodyState& body = *node.body;
  travel(body.rail, [&](float s) { moveNodeSubtree(node, body.rail.direction, s, subtree); });
  const Vec3 axes[3] = {kAxisX, kAxisY, kAxisZ};
  for (int i = 0; i < 3; ++i) {
    travel(body.translation[i], [&](float s) { moveNodeSubtree(node, axes[i], s, subtree); });
  }
  travel(body.rotation[0], [&](float s) { turnNodeSubtree(node, kAxisX, s, subtree); });
  const bool camera = isKind(node, "CAMERA");
  travel(body.rotation[1], [&](float s) {
    if (camera) {
      turnNodeSubtree(node, kAxisY, s, subtree);
    } else {
      turnSubtreeInFrame(node, identityPose, kAxisY, s, subtree);
    }
  });
  travel(body.rotation[2], [&](float s) { turnNodeSubtree(node, kAxisZ, s, subtree); });
}

}  // namespace vev
