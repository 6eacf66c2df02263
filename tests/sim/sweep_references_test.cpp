#include <gtest/gtest.h>

#include "sim/collisions.h"
#include "sim/shot.h"
#include "sim/sweep.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

// Removing an Identity must leave nothing pointing at it; these run under the sanitizers too.
class SweepReferences : public ::testing::Test {
 protected:
  SimScene scene;
  Identity& player = scene.addIdentity("PLAYER");
  SceneNode& cockpit = scene.addNode(player, "CAMERA");
  SceneNode& cannon = scene.addNode(player, "LASERCANNON");
  Identity& enemy = scene.addIdentity("ENEMY", {20.0f, 0.0f, 0.0f});
  SceneNode& enemyCamera = scene.addNode(enemy, "CAMERA", {20.0f, 0.0f, 0.0f});

  void SetUp() override {
    setParams(cannon, {4.0f, 50.0f, 1.0f, 30.0f});
    cannon.sound = std::make_shared<SoundRef>();
    scene.model.controlled = &player;
    scene.model.activeCamera = cockpit.pose.get();
    enemy.target = &player;
    player.target = &enemy;
  }
  Identity& fire() { return *spawnShot(player, cannon, scene.model.frameStepSeconds()); }
  void destroy(Identity& identity) { giveDamage(identity, 10).destroyed = 1; }
};

TEST_F(SweepReferences, RemovingTheFirstIdentityMovesControlPastItsShotsAndFreesTheView) {
  fire();
  fire();
  destroy(player);
  sweepSpent(scene.model);
  ASSERT_EQ(scene.identityCount(), 3);
  EXPECT_EQ(scene.model.scene->name, "AMMO");
  EXPECT_EQ(scene.model.controlled, &enemy);
  EXPECT_EQ(scene.model.activeCamera, &scene.model.freeCamera);
  EXPECT_EQ(enemy.target, nullptr);
}

TEST_F(SweepReferences, ControlFallsToAShotWhenOnlyShotsRemainAndToNullWhenNothingDoes) {
  Identity& shot = fire();
  scene.model.scene->next->next.reset();  // only the player and its shot remain
  destroy(player);
  sweepSpent(scene.model);
  EXPECT_EQ(scene.model.controlled, &shot);
  destroy(shot);
  sweepSpent(scene.model);
  EXPECT_EQ(scene.model.scene, nullptr);
  EXPECT_EQ(scene.model.controlled, nullptr);
}

TEST_F(SweepReferences, RemovingAnotherCraftKeepsControlAndViewAndClearsTargets) {
  destroy(enemy);
  Identity& third = scene.addIdentity("THIRD");
  third.target = &enemy;
  sweepSpent(scene.model);
  EXPECT_EQ(scene.model.controlled, &player);
  EXPECT_EQ(scene.model.activeCamera, cockpit.pose.get());
  EXPECT_EQ(player.target, nullptr);
  EXPECT_EQ(third.target, nullptr);
}

TEST_F(SweepReferences, ViewThroughARemovedIdentitysPoseGoesToTheFreeCamera) {
  scene.model.activeCamera = enemyCamera.pose.get();
  destroy(enemy);
  sweepSpent(scene.model);
  EXPECT_EQ(scene.model.activeCamera, &scene.model.freeCamera);

  Identity& shot = fire();
  scene.model.activeCamera = &shot.pose;
  shot.pose.position = {100.0f, 0.0f, 0.0f};
  sweepSpent(scene.model);
  EXPECT_EQ(scene.model.activeCamera, &scene.model.freeCamera);
}

TEST_F(SweepReferences, ShotOutlivesItsShooterWithItsSoundAndRange) {
  Identity& shot = fire();
  std::weak_ptr<SoundRef> sound = cannon.sound;
  destroy(player);
  sweepSpent(scene.model);
  ASSERT_FALSE(sound.expired());
  EXPECT_EQ(shot.sound, sound.lock());

  // It still hits, asks for its sound and leaves at its copied range.
  SceneNode& hull = scene.addNode(enemy, "QUAD", {20.0f, 0.0f, 0.0f});
  scene.addSquare(hull, {20.0f, 0.0f, 0.0f}, {0, 0, 1}, {0, 1, 0});
  shot.pose.position = {19.5f, 0.0f, 0.0f};
  CollisionWorld world(scene.model);
  collide(shot, {1.0f, 0.0f, 0.0f}, 1.0f, world, 0.04f);
  EXPECT_EQ(shot.sound->playRequests, 1);
  EXPECT_EQ(hull.hits, 4);
  shot.nodes->kind = "LASERCANNON";
  shot.pose.position = {30.0f, 0.0f, 0.0f};
  sweepSpent(scene.model);
  EXPECT_EQ(scene.model.scene.get(), &enemy);
  EXPECT_TRUE(sound.expired());  // released with its last holder
}

TEST_F(SweepReferences, WreckKeepsEveryReference) {
  giveDamage(enemy, 10, 0, 1).destroyed = 1;
  scene.model.activeCamera = enemyCamera.pose.get();
  sweepSpent(scene.model);
  EXPECT_EQ(enemy.alive, 0);
  EXPECT_EQ(player.target, &enemy);
  EXPECT_EQ(scene.model.activeCamera, enemyCamera.pose.get());
}

TEST_F(SweepReferences, IdentitiesWithoutDamageAreNeverSwept) {
  Identity& shot = fire();
  shot.damage.reset();
  shot.pose.position = {500.0f, 0.0f, 0.0f};
  sweepSpent(scene.model);
  EXPECT_EQ(scene.identityCount(), 3);
}

}  // namespace
}  // namespace vev::test
