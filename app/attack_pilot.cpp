#include "app/attack_pilot.h"

#include <algorithm>
#include <optional>

#include "app/craft_keys.h"
#include "sim/collision_shapes.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

constexpr float kStandOff = 250.0f;  // metres; beyond, the pilot opens the throttle fully
constexpr float kCloseIn = 80.0f;    // metres; nearer, it flies at its slowest
constexpr float kSlowest = 0.3f;     // the throttle it never goes below, so it keeps moving
constexpr float kFireCone = 4.0f;    // degrees off a cannon's line within which it fires
constexpr float kBreakOff = 2.0f;    // times the sum of two craft's sizes: nearer, it turns away
constexpr float kForesight = 1.0f;   // seconds over which it foresees a pass
// A player's craft: the share of the break-off distance its pass is counted at (so it is dodged
// from farther), and the seconds of foresight while it closes in faster than this craft.
constexpr float kPlayerShare = 0.45f;
constexpr float kRammedForesight = 2.0f;
constexpr float kClearance = 3.0f;        // metres beside a craft that a shot must keep
constexpr float kClearanceGrowth = 0.1f;  // and more per metre along the line of fire
constexpr float kLoiter = 300.0f;         // metres from a wreck within which it circles
constexpr float kShotReach = 800.0f;      // metres a shot may fly on past its target
constexpr float kExtendRange = 150.0f;    // metres within which a pass ends the attack run
constexpr float kExtendSpeed = 20.0f;     // metres per second; slower, it turns on the spot
constexpr float kExtendAngle = 60.0f;     // degrees off the nose at which a pass has ended

// The radius of the sphere about the craft's position that holds all its collision faces.
float craftSize(const Identity& craft) {
  float size = 0.0f;
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    const CollisionShape* shape = collisionShapeOf(*node);
    if (!shape || !node->pose) continue;
    const Pose& pose = *node->pose;
    const Vec3 offset = pose.position - craft.pose.position;
    for (const CollisionFace& face : shape->faces) {
      for (const Vec3& c : face.corners) {
        const Vec3 at = offset + c[0] * pose.tangent + c[1] * pose.normal + c[2] * pose.binormal;
        size = std::max(size, length(at));
      }
    }
  }
  return size;
}

float sizeOf(const Identity& craft, const Traffic& traffic) {
  for (const CraftExtent& extent : traffic) {
    if (extent.craft == &craft) return extent.size;
  }
  return 0.0f;
}

// Where the pilot turns to when the closest pass it foresees with another craft comes within
// kBreakOff times their sizes: away from the point of closest approach.
std::optional<Vec3> breakOffDirection(const Identity& craft, const Traffic& traffic,
                                      const Players& players) {
  const float ownSize = sizeOf(craft, traffic);
  std::optional<Vec3> away;
  float worst = 1.0f;
  for (const auto& [other, otherSize] : traffic) {
    if (other == &craft) continue;
    const Vec3 offset = other->pose.position - craft.pose.position;
    const Vec3 closing = other->motion.velocity - craft.motion.velocity;
    const float speed = dot(closing, closing);
    // A player flies faster than the pilot's craft: turning away at the last moment cannot take
    // a slow craft out of a fast one's path, so a player's craft closing in is dodged earlier.
    const bool player = std::find(players.begin(), players.end(), other) != players.end();
    const bool rammed =
        player && dot(other->motion.velocity, -1.0f * offset) > dot(craft.motion.velocity, offset);
    const float foresight = rammed ? kRammedForesight : kForesight;
    const float when =
        speed > 0.0f ? std::clamp(-dot(offset, closing) / speed, 0.0f, foresight) : 0.0f;
    Vec3 nearest = offset + when * closing;
    // Craft side by side that keep their distance fly on, unless they already touch.
    const float sizes = ownSize + otherSize;
    if (dot(offset, closing) >= 0.0f && length(offset) > sizes) continue;
    const float share = length(nearest) / (kBreakOff * sizes) * (player ? kPlayerShare : 1.0f);
    if (share >= worst) continue;
    worst = share;
    if (dot(nearest, nearest) < 1e-6f) nearest = craft.pose.normal;
    Vec3 direction = -1.0f * nearest;
    normalise(direction);
    away = direction;
  }
  return away;
}

// Whether a craft other than the target lies along the line of fire, within the shots' reach.
bool lineOfFireBlocked(const Identity& craft, const Identity* target, const Vec3& towards,
                       float range, const Traffic& traffic) {
  for (const auto& [other, otherSize] : traffic) {
    if (other == &craft || other == target) continue;
    const Vec3 offset = other->pose.position - craft.pose.position;
    const float along = dot(offset, towards);
    if (along <= 0.0f || along > range) continue;
    const Vec3 beside = offset - along * towards;
    // Shots fly for a while: the farther along, the more room a moving craft needs.
    if (length(beside) < otherSize + kClearance + kClearanceGrowth * along) return true;
  }
  return false;
}

// The throttle wanted at a range: full beyond the stand-off, slowest when close, in between in
// proportion; never stopped, so that the craft keeps passing and turning back.
float wantedThrottle(float range) {
  const float share = (range - kCloseIn) / (kStandOff - kCloseIn);
  return kSlowest + (1.0f - kSlowest) * std::clamp(share, 0.0f, 1.0f);
}

// The player's craft to fight: the present target while it is one in flight and no other is
// less than half as far, so that two players at much the same range do not make the target
// keys step back and forth; else the nearest in flight. Nothing once all are destroyed.
const Identity* opponentOf(const Identity& craft, const Players& players) {
  const Identity* nearest = nullptr;
  float nearestDistance = 0.0f;
  float targetDistance = -1.0f;
  for (const Identity* player : players) {
    if (isDestroyed(*player)) continue;
    const float distance = length(player->pose.position - craft.pose.position);
    if (player == craft.target) targetDistance = distance;
    if (!nearest || distance < nearestDistance) {
      nearest = player;
      nearestDistance = distance;
    }
  }
  if (targetDistance >= 0.0f && !(2.0f * nearestDistance < targetDistance)) return craft.target;
  return nearest;
}

// Near the wreck of the controlled craft, circling at the slowest throttle; farther, back to it.
void loiterNear(Identity& craft, const Identity& wreck, float frameStep) {
  Vec3 towards = wreck.pose.position - craft.pose.position;
  const float distance = length(towards);
  normalise(towards);
  if (distance < kLoiter) {
    towards = cross(towards, craft.pose.normal);
    normalise(towards);
  }
  pressSteeringKeys(craft, towards, frameStep, craft.keys);
  pressThrottleKeys(craft, distance < kLoiter ? kSlowest : 1.0f, craft.keys);
}

}  // namespace

void releasePilotKeys(Identity& craft) {
  const KeyCode trigger = craft.damage ? craft.damage->triggerKey : 0;
  for (int key = 0; key < kKeyCount; ++key) {
    if (key != trigger) craft.keys[static_cast<std::size_t>(key)] = 0;
  }
}

Traffic trafficOf(const Identity* head) {
  Traffic traffic;
  for (const Identity* it = head; it; it = it->next.get()) {
    if (it->damage && !isShot(*it)) traffic.push_back({it, craftSize(*it)});
  }
  return traffic;
}

void pressAttackKeys(Identity& craft, const Players& players, const Traffic& traffic,
                     float frameStep) {
  if (craft.alive != 1 || isShot(craft)) return;
  releasePilotKeys(craft);
  const Identity* opponent = opponentOf(craft, players);
  if (opponent && craft.target != opponent) pressTargetKey(craft, craft.keys);
  if (const std::optional<Vec3> away = breakOffDirection(craft, traffic, players)) {
    pressSteeringKeys(craft, *away, frameStep, craft.keys);
    pressThrottleKeys(craft, dot(*away, craft.pose.tangent) > 0.0f ? 1.0f : kSlowest, craft.keys);
    return;
  }
  if (!opponent) {
    loiterNear(craft, *players.front(), frameStep);
    return;
  }
  if (craft.target != opponent) return;
  const float range = craft.pose.targetRange;
  if (range <= 0.0f) return;
  const Vec3 towards = bearingDirection(craft.pose);
  // Having passed the target close by, it flies on at full throttle and turns back from afar:
  // circling close, it could never bring its nose onto the target.
  if (range < kExtendRange && degreesBetween(craft.pose.tangent, towards) > kExtendAngle &&
      length(craft.motion.velocity) > kExtendSpeed) {
    pressThrottleKeys(craft, 1.0f, craft.keys);
    return;
  }
  pressSteeringKeys(craft, towards, frameStep, craft.keys);
  pressThrottleKeys(craft, wantedThrottle(range), craft.keys);
  if (!lineOfFireBlocked(craft, opponent, towards, kShotReach, traffic)) {
    pressFireKeysOfAimedCannons(craft, towards, range, kFireCone, craft.keys);
  }
}

}  // namespace vev
