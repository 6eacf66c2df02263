#include "sim/node_control.h"

#include <algorithm>

#include "sim/activation.h"
#include "sim/channel_rule.h"
#include "sim/key_access.h"
#include "sim/motion_channels.h"
#include "sim/node_kind.h"
#include "sim/node_subtree.h"
#include "sim/shot.h"

namespace vev {
namespace {

constexpr int kMaxThrustSlot = 0;
constexpr int kExplosionClockSlot = 0;

bool respondsToChannels(const SceneNode& node, const Identity& identity) {
  return node.body && node.active == 1 && identity.alive == 1;
}

// Rail, translation and rotation channels, each as far as its keys take it in one frame.
void applyMotionChannels(SceneNode& node, const KeyStates& keys, Pose& identityPose,
                         float frameStep, RigidMotion& subtree) {
  const auto byKeys = [&](ControlChannel& channel, auto&& act) {
    applyChannel(channel, keys, channelStep(channel, frameStep), act);
  };
  moveByChannels(node, identityPose, byKeys, subtree);
}

// A hanging part slides along gravity. Without gravity there is no direction to slide in, so the
// channel stays idle and its rooms keep their values.
void applyHangedChannel(SceneNode& node, const KeyStates& keys, ModelState& model, float frameStep,
                        RigidMotion& subtree) {
  if (isZero(model.gravity)) return;
  ControlChannel& channel = node.body->spin[0];
  applyChannel(channel, keys, channelStep(channel, frameStep), [&](float s) {
    moveSubtreeInFrame(node, model.worldFrame, model.gravity, s, subtree);
  });
}

// Throttle channels move by their whole rate each frame and always respect their end stops.
void stepThrottleChannel(SceneNode& node, ControlChannel& channel, const KeyStates& keys) {
  if (isHeld(keys, channel.increaseKey) && channel.roomUp - channel.rate > 0.0f) {
    channel.roomUp -= channel.rate;
    channel.roomDown -= channel.rate;
    node.dirty = 1;
  }
  if (isHeld(keys, channel.decreaseKey) && channel.roomDown + channel.rate <= 0.0f) {
    channel.roomUp += channel.rate;
    channel.roomDown += channel.rate;
    node.dirty = 1;
  }
}

// The throttle level is how far the three channels have travelled, as a fraction of the jet's
// `maxthrust`. A jet without a positive `maxthrust` has no scale for it and idles at 0.
void stepJetThrottle(SceneNode& node, const KeyStates& keys) {
  BodyState& body = *node.body;
  for (ControlChannel& channel : body.spin) stepThrottleChannel(node, channel, keys);
  if (!node.throttle) node.throttle = std::make_unique<JetThrottle>();
  const float* maxThrust = paramSlot(node, kMaxThrustSlot);
  const float travelled = -body.spin[0].roomDown - body.spin[1].roomDown - body.spin[2].roomDown;
  const float level = (maxThrust && *maxThrust > 0.0f) ? travelled / *maxThrust : 0.0f;
  node.throttle->level = std::clamp(level, 0.0f, 1.0f);
}

// While the toggle key is held the state flips every frame; the state then holds derived key A
// (on) or B (off) down for every node of the Identity.
void applyToggle(BodyState& body, KeyStates& keys) {
  if (body.toggleKey == 0) return;
  if (isHeld(keys, body.toggleKey)) body.toggleState = body.toggleState != 0 ? 0 : 1;
  const bool on = body.toggleState != 0;
  setKey(keys, body.toggleKeyA, on ? 1 : 0);
  setKey(keys, body.toggleKeyB, on ? 0 : 1);
}

void triggerControlSound(BodyState& body, const KeyStates& keys) {
  if (body.sound && isHeld(keys, body.playKey)) ++body.sound->playRequests;
}

// The detonate key is consumed as the explosion starts, so one press starts it once.
void startExplosion(SceneNode& node, KeyStates& keys, float frameStep) {
  if (!isKind(node, "EXPLOSION") || !isHeld(keys, node.body->fireKey)) return;
  setKey(keys, node.body->fireKey, 0);
  writableParamSlot(node, kExplosionClockSlot) = frameStep;
  if (node.sound) ++node.sound->playRequests;
}

void processNode(ModelState& model, Identity& identity, SceneNode& node, Pose& identityPose,
                 float frameStep, RigidMotion& subtree) {
  KeyStates& keys = identity.keys;
  applyMotionChannels(node, keys, identityPose, frameStep, subtree);
  if (isKind(node, "HANGED")) applyHangedChannel(node, keys, model, frameStep, subtree);
  if (isKind(node, "JET")) stepJetThrottle(node, keys);
  BodyState& body = *node.body;
  applyActivation(node.active, body, keys);
  applyToggle(body, keys);
  triggerControlSound(body, keys);
  // `active` was tested before activation was applied, so a cannon whose activation key is its fire
  // key fires as the key goes down and then waits out its delay.
  if (isKind(node, "LASERCANNON") && isHeld(keys, body.fireKey)) {
    spawnShot(identity, node, frameStep);
  }
}

}  // namespace

void stepNodes(ModelState& model, Identity& identity, SceneNode* first, Pose* identityPose) {
  const float frameStep = model.frameStepSeconds();
  Pose& frame = identityPose ? *identityPose : model.worldFrame;
  SubtreeMotions motions;
  for (SceneNode* node = first; node; node = node->next.get()) {
    motions.enter(*node);
    RigidMotion own;
    if (!isKind(*node, "CAMERA") && respondsToChannels(*node, identity)) {
      processNode(model, identity, *node, frame, frameStep, own);
    }
    motions.leave(*node, own);
    if (!node->body) continue;
    startExplosion(*node, identity.keys, frameStep);
    if (node->active == 0) rearm(node->active, *node->body, identity.keys, frameStep);
  }
}

void stepCameraChannels(ModelState& model) {
  if (!model.activeCamera) return;
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    for (SceneNode* node = identity->nodes.get(); node; node = node->next.get()) {
      if (node->pose.get() != model.activeCamera) continue;
      if (respondsToChannels(*node, *identity)) {
        RigidMotion own;
        applyMotionChannels(*node, identity->keys, identity->pose, model.frameStepSeconds(), own);
        moveDescendants(*node, own);
      }
      return;
    }
  }
}

}  // namespace vev
