#include "sim/dynamics.h"

#include <algorithm>
#include <chrono>

#include "model/kinematics.h"
#include "sim/collisions.h"
#include "sim/identity_motion.h"
#include "sim/instruments.h"
#include "sim/key_access.h"
#include "sim/node_kind.h"
#include "sim/saturating.h"

namespace vev {
namespace {

constexpr int kMaxThrustSlot = 0;

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// The path of one frame.
struct Displacement {
  Vec3 offset{};
  float distance = 0.0f;
};

float jetThrust(const SceneNode& jet) {
  const float* maxThrust = paramSlot(jet, kMaxThrustSlot);
  if (!maxThrust || !jet.throttle) return 0.0f;
  return *maxThrust * jet.throttle->level;
}

// A jet pushes toward its own -x; off the pivot it also turns the craft, the torque growing with
// the square of the lever.
void addJetPush(MotionState& motion, const SceneNode& jet, const Vec3& pivot) {
  if (!jet.pose) return;
  const float thrust = jetThrust(jet);
  const Vec3& axis = jet.pose->tangent;
  const Vec3 lever = jet.pose->position - pivot;
  motion.force = motion.force - thrust * axis;
  motion.torque = motion.torque - (thrust * length(lever)) * cross(lever, axis);
}

// Steps for which a hit shows on the HUD: a quarter of a second.
constexpr std::int16_t kHitFlashSteps = 6;

// Only top-level parts count: their jets push, and the damage they received is taken; a step
// with damage starts the moment the HUD shows the hit.
void gatherTopLevelNodes(Identity& identity) {
  MotionState& motion = identity.motion;
  motion.force = {0.0f, 0.0f, 0.0f};
  motion.torque = {0.0f, 0.0f, 0.0f};
  bool hit = false;
  for (SceneNode* node = identity.nodes.get(); node; node = node->sibling) {
    if (identity.alive != 0 && isKind(*node, "JET")) addJetPush(motion, *node, identity.body.pivot);
    if (identity.damage) {
      hit = hit || node->hits > 0;
      identity.damage->taken = addSaturated(identity.damage->taken, node->hits);
      node->hits = 0;
    }
  }
  if (!identity.damage) return;
  std::int16_t& flash = identity.damage->hitFlash;
  flash = hit ? kHitFlashSteps : static_cast<std::int16_t>(std::max(0, flash - 1));
}

// force / mass, or nothing for a body without a positive mass (which could only give infinity).
Vec3 forceAcceleration(const MotionState& motion) {
  if (!(motion.mass > 0.0f)) return {0.0f, 0.0f, 0.0f};
  return (1.0f / motion.mass) * motion.force;
}

Displacement integrateVelocity(MotionState& motion, const Vec3& gravity, float frameStep) {
  const Vec3 acceleration = forceAcceleration(motion) + gravity;
  Displacement path;
  for (int i = 0; i < 3; ++i) {
    path.offset[i] = (motion.velocity[i] + acceleration[i] * (0.5f * frameStep)) * frameStep;
  }
  path.distance = length(path.offset);
  motion.velocity = motion.velocity + frameStep * acceleration;
  return path;
}

// Damping in the Identity's own axes, once per frame and not scaled by the step.
void damp(Vec3& vector, const std::array<float, 9>& c, const Pose& axes) {
  const float vx = dot(vector, axes.tangent);
  const float vy = dot(vector, axes.normal);
  const float vz = dot(vector, axes.binormal);
  const float dx = -(c[0] * vx + c[1] * vy + c[2] * vz);
  const float dy = -(c[3] * vx + c[4] * vy + c[5] * vz);
  const float dz = -(c[6] * vx + c[7] * vy + c[8] * vz);
  vector = vector + dx * axes.tangent + dy * axes.normal + dz * axes.binormal;
}

// Damage beyond the strength destroys the Identity once: it presses its trigger key (which
// starts its explosion part), asks for its sound and stops being alive.
void checkDestruction(Identity& identity) {
  DamageState* damage = identity.damage.get();
  if (!damage || damage->taken <= damage->strength) return;
  setKey(identity.keys, damage->triggerKey, 1);
  if (identity.sound) ++identity.sound->playRequests;
  damage->taken = 0;
  damage->destroyed = 1;
  identity.alive = 0;
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) node->dirty = 1;
}

// The angles turned this frame about the world axes (degrees), integrating the spin.
Vec3 integrateSpin(MotionState& motion, float frameStep) {
  Vec3 angles{};
  for (int i = 0; i < 3; ++i) {
    const float inertia = motion.inertia[i];
    const float angular = inertia > 0.0f ? motion.torque[i] / inertia : 0.0f;
    angles[i] = (motion.angularVelocity[i] + angular * 0.5f * frameStep) * frameStep;
    motion.angularVelocity[i] += angular * frameStep;
  }
  return angles;
}

// Where the collision tests of a frame happen, and how long they took when someone asks.
struct CollisionTests {
  CollisionWorld& world;
  DebugLines* debugLines = nullptr;
  double* elapsedMs = nullptr;

  float collide(Identity& identity, const Displacement& path, float frameStep) {
    const auto start =
        elapsedMs ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{};
    const float left =
        vev::collide(identity, path.offset, path.distance, world, frameStep, debugLines);
    if (elapsedMs) *elapsedMs += millisecondsSince(start);
    return left;
  }
};

void stepIdentity(Identity& identity, const ModelState& model, CollisionTests& collisions) {
  const float frameStep = model.frameStepSeconds();
  MotionState& motion = identity.motion;
  gatherTopLevelNodes(identity);
  const Displacement path = integrateVelocity(motion, model.gravity, frameStep);
  if (identity.aero) damp(motion.velocity, identity.aero->cvv, identity.pose);
  const float left = collisions.collide(identity, path, frameStep);
  checkDestruction(identity);
  if (left != 0.0f) translateIdentity(identity, path.offset[0], path.offset[1], path.offset[2]);

  const Vec3 angles = integrateSpin(motion, frameStep);
  const Vec3 worldAxes[3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};
  for (int i = 0; i < 3; ++i) {
    if (angles[i] != 0.0f) turnIdentityInWorld(identity, worldAxes[i], angles[i]);
  }
  if (identity.aero) damp(motion.angularVelocity, identity.aero->cmm, identity.pose);
  normalise(identity.pose.tangent);
  normalise(identity.pose.normal);
  normalise(identity.pose.binormal);
  updateInstruments(identity);
}

}  // namespace

void stepDynamics(ModelState& model, CollisionWorld& world, DebugLines* debugLines,
                  double* collisionMs) {
  CollisionTests collisions{world, debugLines, collisionMs};
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    stepIdentity(*identity, model, collisions);
  }
}

}  // namespace vev
