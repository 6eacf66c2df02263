#include "sim/channel_travel.h"

#include <algorithm>
#include <array>
#include <memory>

#include "sim/motion_channels.h"

namespace vev {
namespace {

std::array<const ControlChannel*, 7> motionChannels(const BodyState& body) {
  return {&body.rail,        &body.translation[0], &body.translation[1], &body.translation[2],
          &body.rotation[0], &body.rotation[1],    &body.rotation[2]};
}

// The signed distance that brings `channel` to the room its counterpart has left.
float travelTowards(const ControlChannel& channel, const ControlChannel& before) {
  if (!hasKeys(channel) || !hasKeys(before)) return 0.0f;
  const float travel = channel.roomUp - before.roomUp;
  if (channel.unlimited == 1) return travel;
  return std::clamp(travel, std::min(channel.roomDown, 0.0f), std::max(channel.roomUp, 0.0f));
}

void takeSwitches(SceneNode& node, const SceneNode& before) {
  node.body->toggleState = before.body->toggleState;
  if (!isKind(node, "JET")) return;
  for (int i = 0; i < 3; ++i) {
    node.body->spin[i].roomUp = before.body->spin[i].roomUp;
    node.body->spin[i].roomDown = before.body->spin[i].roomDown;
  }
  if (before.throttle) node.throttle = std::make_unique<JetThrottle>(*before.throttle);
}

void moveLikeCounterpart(SceneNode& node, const SceneNode& before, Pose& identityPose,
                         RigidMotion& own) {
  const auto channels = motionChannels(*node.body);
  const auto earlier = motionChannels(*before.body);
  const auto travel = [&](ControlChannel& channel, auto&& act) {
    const auto at = std::find(channels.begin(), channels.end(), &channel);
    const float distance = travelTowards(channel, *earlier[at - channels.begin()]);
    if (distance == 0.0f) return;
    act(distance);
    channel.roomUp -= distance;
    channel.roomDown -= distance;
  };
  moveByChannels(node, identityPose, travel, own);
}

}  // namespace

void takeChannelTravel(Identity& identity, const CounterpartOf& counterpartOf) {
  SubtreeMotions motions;
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    motions.enter(*node);
    RigidMotion own;
    const SceneNode* before = counterpartOf(*node);
    if (before && node->body && before->body) {
      if (node->pose) moveLikeCounterpart(*node, *before, identity.pose, own);
      takeSwitches(*node, *before);
    }
    motions.leave(*node, own);
  }
}

}  // namespace vev
