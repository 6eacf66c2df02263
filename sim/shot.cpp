#include "sim/shot.h"

#include <memory>
#include <utility>

#include "model/kinematics.h"
#include "model/text.h"
#include "sim/saturating.h"

namespace vev {
namespace {

// Cannon parameter slots.
constexpr int kInflictSlot = 0;
constexpr int kVelocSlot = 1;
constexpr int kLengthSlot = 2;
constexpr int kRangeSlot = 3;

float paramOrZero(const SceneNode& node, int slot) {
  const float* value = paramSlot(node, slot);
  return value ? *value : 0.0f;
}

// The shot's single node, at its Identity's origin until placed: a laser line coloured like the
// cannon. Its diffuse alpha is opaque so that the explosion it may turn into has a solid core.
std::unique_ptr<SceneNode> shotNode(const SceneNode& cannon) {
  auto node = std::make_unique<SceneNode>();
  copyText(node->name, "AMMO");
  copyText(node->kind, "LASERCANNON");
  node->active = 1;
  node->dirty = 1;
  node->shape = std::make_unique<Shape>();
  if (cannon.shape) {
    for (int c = 0; c < 3; ++c) node->shape->diffuse[c] = cannon.shape->diffuse[c];
  }
  node->shape->diffuse[3] = 1.0f;
  node->pose = std::make_unique<Pose>(unitPose());
  node->pose->collision = 0;
  node->params.push_back({paramOrZero(cannon, kInflictSlot), paramOrZero(cannon, kVelocSlot),
                          paramOrZero(cannon, kLengthSlot)});
  return node;
}

}  // namespace

Identity* spawnShot(Identity& shooter, const SceneNode& cannon, float frameStep) {
  const float* range = cannonRange(cannon);
  if (!cannon.pose || !range) return nullptr;
  const Pose& muzzle = *cannon.pose;
  const float inflict = paramOrZero(cannon, kInflictSlot);
  const float veloc = paramOrZero(cannon, kVelocSlot);

  auto shot = newIdentity();
  copyText(shot->name, "AMMO");
  shot->directory = shooter.directory;
  shot->pose.position = muzzle.position + (veloc * frameStep) * muzzle.tangent;
  shot->pose.tangent = muzzle.tangent;
  shot->pose.normal = muzzle.normal;
  shot->pose.binormal = muzzle.binormal;
  shot->shotOrigin = std::make_unique<ShotOrigin>(ShotOrigin{shooter.pose.position, *range});
  shot->motion.velocity = veloc * muzzle.tangent + shooter.motion.velocity;
  shot->sound = cannon.sound;

  auto damage = std::make_unique<DamageState>();
  damage->strength = 100;
  damage->power = truncateToInt16(inflict);
  shot->damage = std::move(damage);

  shot->nodes = shotNode(cannon);
  placeNode(*shot->nodes, shot->pose);
  return &insertIdentityAfter(shooter, std::move(shot));
}

const float* cannonRange(const SceneNode& cannon) {
  return paramSlot(cannon, kRangeSlot);
}

}  // namespace vev
