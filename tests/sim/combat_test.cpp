#include <gtest/gtest.h>

#include "sim/collisions.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/explosion_clocks.h"
#include "sim/shot.h"
#include "sim/sweep.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

constexpr KeyCode kFire = 32;

// A target ahead of a shooter on the x axis: the target's hull is a 2 m square at x = 5 facing
// the shooter. The target is first in the list, so the damage that a shot charges in one frame's
// dynamics is taken in the next.
class Combat : public ::testing::Test {
 protected:
  SimScene scene;
  Identity& target = scene.addIdentity("TARGET", {5.0f, 0.0f, 0.0f});
  SceneNode& hull = scene.addNode(target, "QUAD", {5.0f, 0.0f, 0.0f});
  Identity& shooter = scene.addIdentity("SHOOTER");
  SceneNode& cannon = scene.addNode(shooter, "LASERCANNON");

  void SetUp() override {
    scene.addSquare(hull, {5.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f});
    setParams(cannon, {3.0f, 20.0f, 1.5f, 100.0f});  // inflict, veloc, length, range
    bodyOf(cannon).fireKey = kFire;
    cannon.shape = std::make_unique<Shape>();
    cannon.shape->diffuse = {0.2f, 0.9f, 0.3f, 0.5f};
    cannon.sound = std::make_shared<SoundRef>();
    cannon.pose->collision = 0;
    scene.model.controlled = &shooter;
  }

  Identity* firstShot() { return shooter.next.get(); }
  void fireOnce() {
    scene.model.keyState[kFire] = 1;
    scene.runFrame();
    scene.model.keyState[kFire] = 0;
  }
};

TEST_F(Combat, CannonFiresOneShotPerFrameItsKeyIsHeld) {
  scene.model.keyState[kFire] = 1;
  for (int i = 0; i < 3; ++i) stepControls(scene.model, scene.model.keyState);
  EXPECT_EQ(scene.identityCount(), 5);
  scene.model.keyState[kFire] = 0;
  stepControls(scene.model, scene.model.keyState);
  EXPECT_EQ(scene.identityCount(), 5);
}

TEST_F(Combat, ShotLeavesOneStepAheadOfTheMuzzleWithTheCannonsValues) {
  cannon.pose->position = {0.0f, 1.0f, 0.0f};
  shooter.motion.velocity = {0.0f, 0.0f, 2.0f};
  Identity* shot = spawnShot(shooter, cannon, scene.model.frameStepSeconds());
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot, shooter.next.get());
  EXPECT_EQ(shot->next.get(), nullptr);
  EXPECT_EQ(shot->name, "AMMO");
  EXPECT_FLOAT_EQ(shot->pose.position[0], 0.8f);
  EXPECT_EQ(shot->pose.position[1], 1.0f);
  EXPECT_EQ(shot->motion.velocity, (Vec3{20.0f, 0.0f, 2.0f}));
  EXPECT_EQ(shot->shotOrigin->origin, (Vec3{0.0f, 0.0f, 0.0f}));
  EXPECT_EQ(shot->shotOrigin->range, 100.0f);
  EXPECT_EQ(shot->sound, cannon.sound);
  EXPECT_EQ(shot->damage->power, 3);
  EXPECT_EQ(shot->damage->strength, 100);
  const SceneNode& node = *shot->nodes;
  EXPECT_EQ(node.kind, "LASERCANNON");
  EXPECT_EQ(node.pose->position, shot->pose.position);
  EXPECT_EQ(node.pose->collision, 0);
  EXPECT_EQ(node.params.size(), 1u);
  EXPECT_EQ(node.params[0], (ParamCell{3.0f, 20.0f, 1.5f}));
  EXPECT_EQ(node.shape->diffuse, (std::array<float, 4>{0.2f, 0.9f, 0.3f, 1.0f}));
}

TEST_F(Combat, CannonWithoutARangeFiresNothing) {
  cannon.params.resize(1);
  EXPECT_EQ(spawnShot(shooter, cannon, scene.model.frameStepSeconds()), nullptr);
  EXPECT_EQ(scene.identityCount(), 2);
}

TEST_F(Combat, ShotCrossingAQuadHitsItOnceAndChargesItsOwnerNode) {
  giveDamage(target, 10);
  fireOnce();
  Identity* shot = firstShot();
  ASSERT_NE(shot, nullptr);
  int frames = 0;
  while (hull.hits == 0 && frames++ < 10) scene.runFrame();
  ASSERT_EQ(hull.hits, 3);
  EXPECT_LT(shot->pose.position[0], 5.0f);  // it stopped short of the face
  EXPECT_EQ(shot->motion.velocity, (Vec3{0.0f, 0.0f, 0.0f}));
  EXPECT_EQ(cannon.sound->playRequests, 1);
  EXPECT_EQ(target.damage->taken, 0);

  const SceneNode& blast = *shot->nodes;
  EXPECT_EQ(blast.kind, "EXPLOSION");
  EXPECT_EQ(blast.shape->specular, (std::array<float, 4>{1.0f, 1.0f, 1.0f, 0.0f}));
  ASSERT_EQ(blast.params.size(), 2u);
  EXPECT_EQ(blast.params[0], (ParamCell{scene.model.frameStepSeconds(), 0.1f, 0.5f}));
  EXPECT_EQ(blast.params[1][0], 1.0f);
  EXPECT_EQ(blast.params[1][1], 0.5f);

  for (int i = 0; i < 5; ++i) scene.runFrame();
  EXPECT_EQ(target.damage->taken, 3);
  EXPECT_EQ(hull.hits, 0);
  EXPECT_EQ(cannon.sound->playRequests, 1);
}

TEST_F(Combat, ExplodedShotIsSweptWhenItsClockHasRunOut) {
  fireOnce();
  while (firstShot()->motion.velocity[0] != 0.0f) scene.runFrame();
  scene.runFrame();
  EXPECT_EQ(scene.identityCount(), 3);
  *paramSlot(*firstShot()->nodes, 0) = 0.0f;  // what the clocks do at the explosion's end
  scene.runFrame();
  EXPECT_EQ(scene.identityCount(), 2);
}

// The clock runs by a step once started and stops at the duration; without a duration (only the
// clock written) it stops at the next step, and a node without parameters stays idle.
TEST_F(Combat, ExplosionClocksRunToTheirDurationAndStop) {
  SceneNode& blast = scene.addNode(target, "EXPLOSION");
  setParams(blast, {0.04f, 0.1f, 0.12f});
  SceneNode& bare = scene.addNode(target, "EXPLOSION");
  setParams(bare, {0.04f});
  scene.addNode(target, "EXPLOSION");
  advanceExplosionClocks(scene.model);
  EXPECT_FLOAT_EQ(blast.params[0][0], 0.08f);
  EXPECT_FLOAT_EQ(bare.params[0][0], 0.0f);
  advanceExplosionClocks(scene.model);
  EXPECT_FLOAT_EQ(blast.params[0][0], 0.0f);
}

TEST_F(Combat, TargetIsDestroyedOnePointPastItsStrength) {
  constexpr KeyCode kTrigger = 260;
  giveDamage(target, 5, 0, 1, kTrigger);
  target.sound = std::make_shared<SoundRef>();
  SceneNode& blast = scene.addNode(target, "EXPLOSION");
  bodyOf(blast).fireKey = kTrigger;
  blast.sound = std::make_shared<SoundRef>();

  hull.hits = 5;
  scene.runFrame();
  EXPECT_EQ(target.damage->destroyed, 0);
  EXPECT_EQ(target.damage->taken, 5);
  EXPECT_EQ(target.damage->hitFlash, 6) << "the HUD shows the hit for a quarter of a second";
  scene.dynamics();
  EXPECT_EQ(target.damage->hitFlash, 5);

  hull.hits = 1;
  hull.dirty = 0;
  scene.dynamics();
  EXPECT_EQ(target.damage->destroyed, 1);
  EXPECT_EQ(target.damage->taken, 0);
  EXPECT_EQ(target.alive, 0);
  EXPECT_EQ(target.keys[kTrigger], 1);
  EXPECT_EQ(target.sound->playRequests, 1);
  EXPECT_EQ(hull.dirty, 1);

  stepControls(scene.model, scene.model.keyState);
  EXPECT_EQ(target.keys[kTrigger], 0);
  EXPECT_FLOAT_EQ(*paramSlot(blast, 0), scene.model.frameStepSeconds());
  EXPECT_EQ(blast.sound->playRequests, 1);
}

TEST_F(Combat, RemovalModeDecidesBetweenSweepingAndAWreck) {
  giveDamage(target, 5, 0, 1);
  hull.hits = 6;
  scene.runFrame();
  EXPECT_EQ(scene.identityCount(), 2);
  EXPECT_EQ(target.alive, 0);

  target.damage->removal = 0;
  scene.runFrame();
  EXPECT_EQ(scene.identityCount(), 1);
  EXPECT_EQ(scene.model.scene.get(), &shooter);
}

TEST_F(Combat, ShotIsRemovedAtExactlyItsRange) {
  Identity* shot = spawnShot(shooter, cannon, scene.model.frameStepSeconds());
  shot->motion.velocity = {};
  shot->pose.position = {0.0f, 99.99f, 0.0f};
  sweepSpent(scene.model);
  EXPECT_EQ(scene.identityCount(), 3);
  shot->pose.position = {0.0f, 100.0f, 0.0f};
  sweepSpent(scene.model);
  EXPECT_EQ(scene.identityCount(), 2);
}

// The shooter destroyed with two spent shots behind it: all three leave in one sweep, control
// passes to the target, and a live shot stays with its sound.
TEST_F(Combat, EverythingSpentLeavesInTheSameFrame) {
  for (int i = 0; i < 2; ++i) {
    spawnShot(shooter, cannon, scene.model.frameStepSeconds())->pose.position = {0, -200, 0};
  }
  Identity* live = spawnShot(shooter, cannon, scene.model.frameStepSeconds());
  giveDamage(shooter, 5).destroyed = 1;
  target.target = &shooter;
  sweepSpent(scene.model);
  EXPECT_EQ(scene.identityCount(), 2);
  EXPECT_EQ(scene.model.scene.get(), &target);
  EXPECT_EQ(target.next.get(), live);
  EXPECT_EQ(scene.model.controlled, &target);
  EXPECT_EQ(target.target, nullptr);
  ASSERT_TRUE(live->sound);
  ++live->sound->playRequests;  // the cannon's sound outlives its craft
}

class Collide : public Combat {
 protected:
  Identity* shotIdentity = nullptr;

  void SetUp() override {
    Combat::SetUp();
    shotIdentity = spawnShot(shooter, cannon, scene.model.frameStepSeconds());
    ASSERT_NE(shotIdentity, nullptr);
  }
  float collideFrom(const Vec3& start, const Vec3& displacement, DebugLines* lines = nullptr) {
    shotIdentity->pose.position = start;
    shotIdentity->motion.velocity = {20.0f, 0.0f, 0.0f};
    CollisionWorld world(scene.model);
    return collide(*shotIdentity, displacement, length(displacement), world,
                   scene.model.frameStepSeconds(), lines);
  }
};

TEST_F(Collide, PathStartingOrEndingOnThePlaneDoesNotHit) {
  EXPECT_EQ(collideFrom({5.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}), 1.0f);
  EXPECT_EQ(collideFrom({4.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}), 1.0f);
  EXPECT_EQ(hull.hits, 0);
  EXPECT_EQ(collideFrom({4.5f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}), 0.0f);
  EXPECT_EQ(hull.hits, 3);
}

TEST_F(Collide, StartOutsideTheFaceFliesPast) {
  EXPECT_EQ(collideFrom({4.5f, 1.5f, 0.0f}, {1.0f, 0.0f, 0.0f}), 1.0f);
  EXPECT_EQ(shotIdentity->motion.velocity[0], 20.0f);
  EXPECT_EQ(shotIdentity->nodes->kind, "LASERCANNON");
}

TEST_F(Collide, ZeroDistanceTestsNothing) {
  EXPECT_EQ(collideFrom({5.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}), 0.0f);
  EXPECT_EQ(shotIdentity->motion.velocity[0], 20.0f);
}

TEST_F(Collide, ShotHitsItsShootersFacesButNeverItsOwn) {
  SceneNode& nose = scene.addNode(shooter, "QUAD");
  scene.addSquare(nose, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f});
  scene.addSquare(*shotIdentity->nodes, {2.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f});
  EXPECT_EQ(collideFrom({1.5f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}), 1.0f);
  EXPECT_EQ(collideFrom({0.5f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}), 0.0f);
  EXPECT_EQ(nose.hits, 3);
  EXPECT_EQ(shotIdentity->nodes->hits, 0);
}

TEST_F(Collide, PathThroughTwoFacesChargesBothAndPlaysTwice) {
  SceneNode& inner = scene.addNode(target, "QUAD", {5.5f, 0.0f, 0.0f});
  scene.addSquare(inner, {5.5f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
  EXPECT_EQ(collideFrom({4.8f, 0.0f, 0.0f}, {0.8f, 0.0f, 0.0f}), 0.0f);
  EXPECT_EQ(hull.hits, 3);
  EXPECT_EQ(inner.hits, 3);
  EXPECT_EQ(cannon.sound->playRequests, 2);
}

TEST_F(Collide, FaceWithoutTheCollisionFlagIsIgnored) {
  hull.pose->collision = 0;
  EXPECT_EQ(collideFrom({4.5f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}), 1.0f);
}

TEST_F(Collide, DebugLinesShowEveryVertexTestedUpToTheFirstFailure) {
  DebugLines lines;
  collideFrom({4.5f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, &lines);
  ASSERT_EQ(lines.size(), 12u);
  // The hull's square as the world places it, corner by corner.
  const Vec3 corners[4] = {
      {5.0f, -1.0f, -1.0f}, {5.0f, -1.0f, 1.0f}, {5.0f, 1.0f, 1.0f}, {5.0f, 1.0f, -1.0f}};
  EXPECT_EQ(lines[0].from, corners[0]);
  EXPECT_EQ(lines[0].to, corners[3]);
  EXPECT_EQ(lines[0].colour, (std::array<float, 3>{1.0f, 0.0f, 0.0f}));
  EXPECT_EQ(lines[1].to, corners[1]);
  EXPECT_EQ(lines[1].colour, (std::array<float, 3>{0.0f, 0.0f, 1.0f}));
  EXPECT_EQ(lines[2].to, (Vec3{4.5f, 0.0f, 0.0f}));
  EXPECT_EQ(lines[2].colour, (std::array<float, 3>{0.0f, 1.0f, 0.0f}));

  lines.clear();
  collideFrom({4.5f, -1.5f, -1.5f}, {1.0f, 0.0f, 0.0f}, &lines);
  EXPECT_EQ(lines.size(), 3u);
  lines.clear();
  collideFrom({0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, &lines);  // crosses no plane
  EXPECT_TRUE(lines.empty());
}

// The hull faces the shooter: a craft behind it (inside the target) leaves freely, one outside
// is stopped; a shot is stopped from either side.
TEST_F(Collide, CraftBehindAFaceLeavesThroughItWhileShotsHitItFromBothSides) {
  CollisionWorld world(scene.model);
  const auto flyShooter = [&](float x, float dx) {
    shooter.pose.position = {x, 0.0f, 0.0f};
    return collide(shooter, {dx, 0.0f, 0.0f}, std::fabs(dx), world, 0.04f);
  };
  EXPECT_EQ(flyShooter(5.5f, -1.0f), 1.0f);
  EXPECT_EQ(flyShooter(4.5f, 1.0f), 0.0f);
  EXPECT_EQ(collideFrom({5.5f, 0.0f, 0.0f}, {-1.0f, 0.0f, 0.0f}), 0.0f);
}

TEST_F(Collide, DamageCounterStopsAtItsLimitInsteadOfWrapping) {
  shotIdentity->damage->power = 30000;
  hull.hits = 30000;
  collideFrom({4.5f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f});
  EXPECT_EQ(hull.hits, 32767);
}

}  // namespace
}  // namespace vev::test
