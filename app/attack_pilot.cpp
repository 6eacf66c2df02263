#include "app/attack_pilot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "model/deterministic_math.h"
#include "model/keys.h"
#include "model/kinematics.h"
#include "sim/node_kind.h"
#include "sim/shot.h"

namespace vev {
namespace {

constexpr float kRadiansPerDegree = 0.0174532925f;
constexpr float kStandOff = 250.0f;  // metres; beyond, the pilot opens the throttle fully
constexpr float kCloseIn = 80.0f;    // metres; nearer, it flies at its slowest
constexpr float kSlowest = 0.3f;     // the throttle it never goes below, so it keeps moving
constexpr float kThrottleSlack = 0.05f;
constexpr float kFireCone = 4.0f;   // degrees off a cannon's line within which it fires
constexpr float kTurnGain = 1.5f;   // degrees per second of spin wanted per degree off
constexpr float kMostSpin = 60.0f;  // degrees per second

float degreesBetween(const Vec3& a, const Vec3& b) {
  const float c = dot(a, b) / std::max(length(a) * length(b), 1e-20f);
  return dmath::acos(std::clamp(c, -1.0f, 1.0f)) / kRadiansPerDegree;
}

// The target's direction in the world, read back from the craft's bearing instruments: the
// azimuth across, the elevation up (counted over the top when the target is behind).
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

void press(KeyStates& keys, KeyCode key) {
  if (key > 0 && key < kKeyCount) keys[static_cast<std::size_t>(key)] = 1;
}

// The key of a channel that moves it by +travel, and the one that moves it by -travel.
KeyCode keyFor(const ControlChannel& channel, float travel) {
  return (channel.rate * travel > 0.0f) ? channel.increaseKey : channel.decreaseKey;
}

// Turn channels turn the craft by a fixed angle per frame about one of its own axes: press the
// key whose turn brings the nose nearest the target.
void steerWithTurnChannels(Identity& craft, const Vec3& towards, float frameStep) {
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
    press(craft.keys, chosen);
  }
}

// Whether a positive angle turns vectors right-handedly, as the frame operations turn them.
float handedness() {
  Pose probe = unitPose();
  rotatePose(probe, 0.0f, 1.0f, 0.0f, 10.0f);
  return probe.tangent[2] < 0.0f ? 1.0f : -1.0f;
}

// Attitude thrusters change the spin: press the keys that bring it nearest the spin that would
// swing the nose onto the target, slowing as it arrives.
void steerWithThrusters(Identity& craft, const Vec3& towards, float frameStep) {
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
    press(craft.keys, missing * change > 0.0f ? channel.increaseKey : channel.decreaseKey);
  }
}

// The throttle wanted at a range: full beyond the stand-off, slowest when close, in between in
// proportion; never stopped, so that the craft keeps passing and turning back.
float wantedThrottle(float range) {
  const float share = (range - kCloseIn) / (kStandOff - kCloseIn);
  return kSlowest + (1.0f - kSlowest) * std::clamp(share, 0.0f, 1.0f);
}

// Jets keep the craft about its stand-off range: each jet's throttle channels move its level, as
// its thrust bar shows it, towards the level the range asks for.
void keepStandOff(Identity& craft, float range) {
  const float wanted = wantedThrottle(range);
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (!isKind(*node, "JET") || !node->body) continue;
    const float level = node->throttle ? node->throttle->level : 0.0f;
    const float travel = level < wanted - kThrottleSlack   ? 1.0f
                         : level > wanted + kThrottleSlack ? -1.0f
                                                           : 0.0f;
    if (travel == 0.0f) continue;
    for (const ControlChannel& channel : node->body->spin) {
      if (channel.rate != 0.0f) press(craft.keys, keyFor(channel, travel));
    }
  }
}

void fireWhenAimed(Identity& craft, const Vec3& towards, float range) {
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (!isKind(*node, "LASERCANNON") || !node->body || !node->pose) continue;
    const float* reach = cannonRange(*node);
    if (!reach || *reach < range) continue;
    if (degreesBetween(node->pose->tangent, towards) <= kFireCone) {
      press(craft.keys, node->body->fireKey);
    }
  }
}

}  // namespace

void releasePilotKeys(Identity& craft) {
  const KeyCode trigger = craft.damage ? craft.damage->triggerKey : 0;
  for (int key = 0; key < kKeyCount; ++key) {
    if (key != trigger) craft.keys[static_cast<std::size_t>(key)] = 0;
  }
}

void pressAttackKeys(Identity& craft, const Identity& controlled, float frameStep) {
  if (craft.alive != 1 || isShot(craft)) return;
  releasePilotKeys(craft);
  if (craft.target != &controlled) {
    press(craft.keys,
          craft.body.nextTargetKey != 0 ? craft.body.nextTargetKey : craft.body.previousTargetKey);
    return;
  }
  const float range = craft.pose.targetRange;
  if (range <= 0.0f) return;
  const Vec3 towards = bearingDirection(craft.pose);
  steerWithTurnChannels(craft, towards, frameStep);
  steerWithThrusters(craft, towards, frameStep);
  keepStandOff(craft, range);
  fireWhenAimed(craft, towards, range);
}

}  // namespace vev
