#include "app/craft_keys.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/deterministic_math.h"
#include "model/kinematics.h"
#include "sim/node_kind.h"
#include "sim/shot.h"

namespace vev {
namespace {

constexpr float kRadiansPerDegree = 0.0174532925f;
constexpr float kThrottleSlack = 0.05f;
constexpr float kTurnGain = 1.5f;   // degrees per second of spin wanted per degree off
constexpr float kMostSpin = 60.0f;  // degrees per second

// The key of a channel that moves it by +travel, and the one that moves it by -travel.
KeyCode keyFor(const ControlChannel& channel, float travel) {
  return (channel.rate * travel > 0.0f) ? channel.increaseKey : channel.decreaseKey;
}

// Turn channels turn the craft by a fixed angle per frame about one of its own axes: press the
// key whose turn brings the nose nearest the target.
void steerWithTurnChannels(const Identity& craft, const Vec3& towards, float frameStep,
                           KeyStates& keys) {
  const float now = degreesBetween(craft.pose.tangent, towards);
  // Yaw about the normal and pitch about the binormal move the nose; roll about it does not.
  for (const int axis : {1, 2}) {
    const ControlChannel& channel = craft.body.rotation[static_cast<std::size_t>(axis)];
    const float turn = channel.rate * frameStep;
    if (turn == 0.0f) continue;
    float best = now;
    KeyCode chosen = 0;
    for (const float sign : {1.0f, -1.0f}) {
      Pose turned = craft.pose;
      rotatePose(turned, 0.0f, axis == 1 ? 1.0f : 0.0f, axis == 2 ? 1.0f : 0.0f, sign * turn);
      const float after = degreesBetween(turned.tangent, towards);
      if (after < best) {
        best = after;
        chosen = sign > 0.0f ? channel.increaseKey : channel.decreaseKey;
      }
    }
    pressKey(keys, chosen);
  }
}

// Whether a positive angle turns vectors right-handedly, as the frame operations turn them.
float handedness() {
  Pose probe = unitPose();
  rotatePose(probe, 0.0f, 1.0f, 0.0f, 10.0f);
  return probe.tangent[2] < 0.0f ? 1.0f : -1.0f;
}

void steerWithThrusters(const Identity& craft, const Vec3& towards, float frameStep,
                        KeyStates& keys) {
  Vec3 axis = cross(craft.pose.tangent, towards);
  normalise(axis);
  const float wanted = std::min(kTurnGain * degreesBetween(craft.pose.tangent, towards), kMostSpin);
  const Vec3 goal = (handedness() * wanted) * axis;
  const std::array<const Vec3*, 3> axes = {&craft.pose.tangent, &craft.pose.normal,
                                           &craft.pose.binormal};
  const Vec3& spin = craft.motion.angularVelocity;
  for (std::size_t i = 0; i < 3; ++i) {
    const ControlChannel& channel = craft.body.spin[i];
    const float change = channel.rate * frameStep;
    if (change == 0.0f) continue;
    const float missing = dot(goal - spin, *axes[i]);
    if (std::fabs(missing) < std::fabs(change) / 2.0f) continue;
    pressKey(keys, missing * change > 0.0f ? channel.increaseKey : channel.decreaseKey);
  }
}

}  // namespace

float degreesBetween(const Vec3& a, const Vec3& b) {
  const float c = dot(a, b) / std::max(length(a) * length(b), 1e-20f);
  return dmath::acos(std::clamp(c, -1.0f, 1.0f)) / kRadiansPerDegree;
}

Vec3 bearingDirection(const Pose& pose) {
  const float azimuth = pose.targetAzimuth * kRadiansPerDegree;
  float elevation = pose.targetElevation;
  if (elevation > 90.0f) elevation = 180.0f - elevation;
  if (elevation < -90.0f) elevation = -elevation - 180.0f;
  const float up = dmath::tan(std::clamp(elevation, -89.0f, 89.0f) * kRadiansPerDegree);
  Vec3 direction =
      dmath::cos(azimuth) * pose.tangent + up * pose.normal + dmath::sin(azimuth) * pose.binormal;
  normalise(direction);
  return direction;
}

void pressKey(KeyStates& keys, KeyCode key) {
  if (key > 0 && key < kKeyCount) keys[static_cast<std::size_t>(key)] = 1;
}

void pressSteeringKeys(const Identity& craft, const Vec3& towards, float frameStep,
                       KeyStates& keys) {
  steerWithTurnChannels(craft, towards, frameStep, keys);
  steerWithThrusters(craft, towards, frameStep, keys);
}

void pressThrottleKeys(const Identity& craft, float wanted, KeyStates& keys) {
  for (const SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (!isKind(*node, "JET") || !node->body) continue;
    const float level = node->throttle ? node->throttle->level : 0.0f;
    const float travel = level < wanted - kThrottleSlack   ? 1.0f
                         : level > wanted + kThrottleSlack ? -1.0f
                                                           : 0.0f;
    if (travel == 0.0f) continue;
    for (const ControlChannel& channel : node->body->spin) {
      if (channel.rate != 0.0f) pressKey(keys, keyFor(channel, travel));
    }
  }
}

void pressFireKeysOfAimedCannons(const Identity& craft, const Vec3& towards, float range,
                                 float cone, KeyStates& keys) {
  for (const SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (!isKind(*node, "LASERCANNON") || !node->body || !node->pose) continue;
    const float* reach = cannonRange(*node);
    if (!reach || *reach < range) continue;
    if (degreesBetween(node->pose->tangent, towards) <= cone) pressKey(keys, node->body->fireKey);
  }
}

void pressEveryFireKey(const Identity& craft, float range, KeyStates& keys) {
  for (const SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (!isKind(*node, "LASERCANNON") || !node->body) continue;
    const float* reach = cannonRange(*node);
    if (reach && *reach >= range) pressKey(keys, node->body->fireKey);
  }
}

void pressTargetKey(const Identity& craft, KeyStates& keys) {
  const bool next = craft.body.nextTargetKey != 0;
  if (craft.body.targetKeyHeldMs[next ? 1 : 0] >= 0) return;
  pressKey(keys, next ? craft.body.nextTargetKey : craft.body.previousTargetKey);
}

}  // namespace vev
