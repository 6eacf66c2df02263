#include <gtest/gtest.h>

#include <cmath>

#include "sim/controls.h"
#include "sim/dynamics.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

class Flight : public ::testing::Test {
 protected:
  SimScene scene;
  Identity& craft = scene.addIdentity("CRAFT");

  SceneNode& addJet(const Vec3& position, float maxThrust, float level, SceneNode* parent = {}) {
    SceneNode& jet = scene.addNode(craft, "JET", position, parent);
    setParams(jet, {maxThrust});
    jet.throttle = std::make_unique<JetThrottle>(JetThrottle{level});
    return jet;
  }
  void step(int frames = 1) {
    for (int i = 0; i < frames; ++i) scene.dynamics();
  }
};

bool allFinite(const Vec3& v) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

TEST_F(Flight, FullThrottleJetAcceleratesTheCraftTowardTheJetsMinusX) {
  SceneNode& jet = addJet({}, 1000.0f, 1.0f);
  step();
  EXPECT_FLOAT_EQ(craft.motion.velocity[0], -0.04f);
  EXPECT_FLOAT_EQ(craft.pose.position[0], -0.0008f);
  EXPECT_FLOAT_EQ(jet.pose->position[0], -0.0008f);
  EXPECT_EQ(craft.motion.velocity[1], 0.0f);
  EXPECT_EQ(craft.motion.angularVelocity, (Vec3{0.0f, 0.0f, 0.0f}));
}

TEST_F(Flight, OffPivotTorqueGrowsWithTheSquareOfTheLever) {
  addJet({0.0f, 1.0f, 0.0f}, 100.0f, 1.0f);
  step();
  const float oneMetre = craft.motion.torque[2];
  EXPECT_FLOAT_EQ(oneMetre, 100.0f);

  craft.nodes->pose->position = {0.0f, 2.0f, 0.0f};
  step();
  EXPECT_FLOAT_EQ(craft.motion.torque[2], 4.0f * oneMetre);
  EXPECT_EQ(craft.motion.torque[0], 0.0f);
  EXPECT_GT(craft.motion.angularVelocity[2], 0.0f);
}

TEST_F(Flight, NestedJetNeitherPushesNorPassesOnItsHits) {
  SceneNode& hull = scene.addNode(craft, "QUAD");
  SceneNode& jet = addJet({}, 1000.0f, 1.0f, &hull);
  giveDamage(craft, 100);
  jet.hits = 7;
  hull.hits = 3;
  step();
  EXPECT_EQ(craft.motion.velocity, (Vec3{0.0f, 0.0f, 0.0f}));
  EXPECT_EQ(craft.damage->taken, 3);
  EXPECT_EQ(jet.hits, 7);
  EXPECT_EQ(hull.hits, 0);
}

TEST_F(Flight, DeadCraftFeelsNoThrustButDriftsAndSpins) {
  addJet({0.0f, 1.0f, 0.0f}, 1000.0f, 1.0f);
  craft.alive = 0;
  craft.motion.velocity = {1.0f, 0.0f, 0.0f};
  craft.motion.angularVelocity = {0.0f, 0.0f, 25.0f};
  step(25);
  EXPECT_FLOAT_EQ(craft.pose.position[0], 1.0f);
  EXPECT_NEAR(craft.pose.tangent[0], std::cos(25.0f / 57.29578f), 1e-4f);
}

TEST_F(Flight, WithoutDampingVelocityAndSpinLastForEver) {
  craft.motion.velocity = {3.0f, -2.0f, 1.0f};
  craft.motion.angularVelocity = {0.0f, 10.0f, 0.0f};
  step(100);
  EXPECT_EQ(craft.motion.velocity, (Vec3{3.0f, -2.0f, 1.0f}));
  EXPECT_EQ(craft.motion.angularVelocity, (Vec3{0.0f, 10.0f, 0.0f}));
}

TEST_F(Flight, LinearDampingActsInTheCraftsOwnAxesAfterTheMove) {
  craft.pose.tangent = {0.0f, 1.0f, 0.0f};  // nose along world y
  craft.pose.normal = {-1.0f, 0.0f, 0.0f};
  craft.aero = std::make_unique<AeroCoefficients>();
  craft.aero->cvv[0] = 0.5f;  // along the nose only
  craft.motion.velocity = {2.0f, 10.0f, 0.0f};
  step();
  EXPECT_FLOAT_EQ(craft.pose.position[1], 0.4f);
  EXPECT_FLOAT_EQ(craft.motion.velocity[1], 5.0f);
  EXPECT_FLOAT_EQ(craft.motion.velocity[0], 2.0f);
}

TEST_F(Flight, AngularDampingActsOnceTheFrameHasTurned) {
  craft.aero = std::make_unique<AeroCoefficients>();
  craft.aero->cmm[4] = 0.5f;
  craft.motion.angularVelocity = {0.0f, 90.0f, 0.0f};
  step();
  EXPECT_FLOAT_EQ(craft.motion.angularVelocity[1], 45.0f);
  EXPECT_NEAR(craft.pose.tangent[2], -std::sin(3.6f / 57.29578f), 1e-5f);
}

TEST_F(Flight, GravityAcceleratesEveryIdentity) {
  scene.model.gravity = {0.0f, -10.0f, 0.0f};
  step();
  EXPECT_FLOAT_EQ(craft.motion.velocity[1], -0.4f);
  EXPECT_FLOAT_EQ(craft.pose.position[1], -0.008f);
}

TEST_F(Flight, MasslessOrInertialessBodyGetsNoInfiniteMotion) {
  addJet({0.0f, 1.0f, 0.0f}, 1000.0f, 1.0f);
  craft.motion.mass = 0.0f;
  craft.motion.inertia = {0.0f, 0.0f, 0.0f};
  step(3);
  EXPECT_TRUE(allFinite(craft.motion.velocity));
  EXPECT_TRUE(allFinite(craft.motion.angularVelocity));
  EXPECT_TRUE(allFinite(craft.pose.position));
  EXPECT_TRUE(allFinite(craft.pose.tangent));
}

class CraftControls : public Flight {
 protected:
  void SetUp() override { scene.model.controlled = &craft; }
  void hold(KeyCode key, int frames) {
    scene.model.keyState[key] = 1;
    for (int i = 0; i < frames; ++i) stepControls(scene.model, scene.model.keyState);
    scene.model.keyState[key] = 0;
  }
};

TEST_F(CraftControls, AttitudeThrustersAddSpinAboutTheCraftsOwnAxes) {
  craft.pose.normal = {0.0f, 0.0f, 1.0f};  // up is world z
  craft.pose.binormal = {0.0f, -1.0f, 0.0f};
  craft.body.spin[1] = channel(37, 39, 50.0f, 0.0f, 0.0f, 1);
  hold(37, 3);
  EXPECT_NEAR(craft.motion.angularVelocity[2], 6.0f, 1e-5f);
  EXPECT_EQ(craft.motion.angularVelocity[1], 0.0f);
  hold(39, 1);
  EXPECT_NEAR(craft.motion.angularVelocity[2], 4.0f, 1e-5f);
}

TEST_F(CraftControls, ThrustChannelMovesTheCraftAndItsPartsAlongItsNose) {
  craft.pose.tangent = {0.0f, 0.0f, 1.0f};
  craft.pose.binormal = {-1.0f, 0.0f, 0.0f};
  SceneNode& part = scene.addNode(craft, "QUAD", {1.0f, 0.0f, 0.0f});
  part.dirty = 0;
  craft.body.translation[0] = channel(84, 66, 25.0f, 100.0f, 0.0f);
  hold(84, 2);
  EXPECT_NEAR(craft.pose.position[2], 2.0f, 1e-5f);
  EXPECT_NEAR(craft.body.pivot[2], 2.0f, 1e-5f);
  EXPECT_NEAR(part.pose->position[2], 2.0f, 1e-5f);
  EXPECT_EQ(part.pose->position[0], 1.0f);
  EXPECT_EQ(part.dirty, 1);
}

TEST_F(CraftControls, TurnChannelTurnsEveryPartAboutTheCraftsPivot) {
  SceneNode& part = scene.addNode(craft, "QUAD", {1.0f, 0.0f, 0.0f});
  craft.body.rotation[2] = channel(38, 40, 2250.0f, 1000.0f, -1000.0f);  // 90 degrees a frame
  hold(38, 1);
  EXPECT_NEAR(craft.pose.tangent[1], 1.0f, 1e-5f);
  EXPECT_NEAR(part.pose->position[0], 0.0f, 1e-5f);
  EXPECT_NEAR(part.pose->position[1], 1.0f, 1e-5f);
  EXPECT_NEAR(part.pose->tangent[1], 1.0f, 1e-5f);
}

}  // namespace
}  // namespace vev::test
