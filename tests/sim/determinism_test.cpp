#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "model/kinematics.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/sweep.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

constexpr KeyCode kThrottle = 84, kFire = 32, kTurn = 39;

// A craft with a hull face, a throttled jet, an attitude thruster and a cannon that re-arms
// every few frames; its parts are given in its own frame and placed as the loader places them.
Identity& addFighter(SimScene& scene, const char* name, const Pose& pose, std::int16_t removal) {
  Identity& craft = scene.addIdentity(name, pose.position);
  craft.pose = pose;
  craft.aero = std::make_unique<AeroCoefficients>();
  craft.aero->cvv = {0.02f, 0, 0, 0, 0.05f, 0, 0, 0, 0.05f};
  craft.aero->cmm = {0.1f, 0, 0, 0, 0.1f, 0, 0, 0, 0.1f};
  craft.body.spin[1] = channel(kTurn, 0, 40.0f, 0.0f, 0.0f, 1);
  giveDamage(craft, 8, 0, removal);

  scene.addNode(craft, "QUAD");
  SceneNode& jet = scene.addNode(craft, "JET", {-1.0f, 0.3f, 0.0f});
  jet.pose->tangent = {1.0f, 0.0f, 0.0f};
  setParams(jet, {2000.0f, 0.5f, 2.0f});
  bodyOf(jet).spin[0] = channel(kThrottle, 0, 100.0f, 1500.0f, 0.0f);
  SceneNode& cannon = scene.addNode(craft, "LASERCANNON", {2.0f, 0.0f, 0.0f});
  setParams(cannon, {3.0f, 60.0f, 1.0f, 80.0f});
  BodyState& trigger = bodyOf(cannon);
  trigger.fireKey = kFire;
  trigger.activateKey = kFire;
  trigger.activateArmed = 1;
  trigger.activateDelay = 0.2f;
  cannon.sound = std::make_shared<SoundRef>();
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    placeNode(*node, craft.pose);
    if (node->kind != "QUAD") continue;
    const Pose& pose = *node->pose;
    scene.addSquare(*node, pose.position, 1.5f * pose.binormal, 1.5f * pose.normal);
  }
  return craft;
}

Pose facing(const Vec3& position, const Vec3& tangent, const Vec3& normal) {
  Pose pose = unitPose(position);
  pose.tangent = tangent;
  pose.normal = normal;
  pose.binormal = cross(tangent, normal);
  return pose;
}

void pilot(Identity& craft, int frame) {
  craft.keys[kThrottle] = frame % 50 < 10 ? 1 : 0;
  craft.keys[kFire] = 1;
  craft.keys[kTurn] = frame % 80 < 5 ? 1 : 0;
}

struct Outcome {
  std::vector<std::uint32_t> bits;
  int shotsSeen = 0;
  int damageTaken = 0;
};

void record(std::vector<std::uint32_t>& bits, const Vec3& v) {
  for (float f : v) bits.push_back(std::bit_cast<std::uint32_t>(f));
}

Outcome fly(int frames) {
  SimScene scene;
  Identity& player = addFighter(scene, "PLAYER", facing({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), 1);
  addFighter(scene, "RED", facing({40, 0.5f, 0}, {-1, 0, 0}, {0, 1, 0}), 0);
  addFighter(scene, "BLUE", facing({20, 0, 30}, {0, 0, -1}, {0, 1, 0}), 1);
  scene.model.controlled = &player;
  Outcome outcome;
  for (int frame = 0; frame < frames; ++frame) {
    scene.dynamics();
    scene.model.keyState[kFire] = 1;
    scene.model.keyState[kThrottle] = frame < 20 ? 1 : 0;
    for (Identity* craft = scene.model.scene.get(); craft; craft = craft->next.get()) {
      if (craft->name == "RED" || craft->name == "BLUE") pilot(*craft, frame);
    }
    stepControls(scene.model, scene.model.keyState);
    sweepSpent(scene.model);
    outcome.shotsSeen = std::max(outcome.shotsSeen, scene.identityCount() - 3);
  }
  for (Identity* it = scene.model.scene.get(); it; it = it->next.get()) {
    record(outcome.bits, it->pose.position);
    record(outcome.bits, it->pose.tangent);
    record(outcome.bits, it->pose.normal);
    record(outcome.bits, it->motion.velocity);
    record(outcome.bits, it->motion.angularVelocity);
    for (SceneNode* node = it->nodes.get(); node; node = node->next.get()) {
      record(outcome.bits, node->pose->position);
      record(outcome.bits, node->pose->binormal);
    }
    if (it->damage) {
      outcome.bits.push_back(static_cast<std::uint32_t>(it->damage->taken));
      outcome.bits.push_back(static_cast<std::uint32_t>(it->damage->destroyed));
      outcome.damageTaken += it->damage->taken + 100 * it->damage->destroyed;
    }
  }
  return outcome;
}

TEST(Determinism, SameSceneAndKeysGiveBitIdenticalStateAfterManyFrames) {
  const Outcome first = fly(400);
  const Outcome second = fly(400);
  EXPECT_GT(first.shotsSeen, 3);
  EXPECT_GT(first.damageTaken, 0);
  EXPECT_EQ(first.bits, second.bits);
}

}  // namespace
}  // namespace vev::test
