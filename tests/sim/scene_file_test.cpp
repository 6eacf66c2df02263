#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "model/model_state.h"
#include "scenefile/loader.h"
#include "sim/step.h"
#include "sound/silent_sound_library.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

namespace vev::test {
namespace {

constexpr KeyCode kThrottleUp = 84, kFire = 32, kNextTarget = 83, kTrigger = 120;

std::string dataFile(const std::string& name) {
  return std::string(VEV_SOURCE_DIR) + "/tests/data/sim/" + name;
}

// A shooter and a target loaded from scene files, flown through the renderer's faces.
class Duel : public ::testing::Test {
 protected:
  ModelState model;
  TextureList textures;
  SoundTable table{std::make_unique<SilentSoundLibrary>()};
  SoundRegistry sounds{table};
  SceneAssets assets{textures, sounds, [](const std::string&) {}};
  Identity* hawk = nullptr;
  Identity* drone = nullptr;

  void SetUp() override {
    ASSERT_TRUE(loadSceneFile(dataFile("hawk.zsf"), model, assets));
    ASSERT_TRUE(loadSceneFile(dataFile("drone.zsf"), model, assets));
    hawk = model.scene.get();
    drone = hawk->next.get();
    model.controlled = hawk;
  }
  void frame() { stepSimulation(model, model.keyState, nullptr); }
  void hold(KeyCode key, int frames) {
    model.keyState[key] = 1;
    for (int i = 0; i < frames; ++i) frame();
    model.keyState[key] = 0;
  }
};

TEST_F(Duel, ThrottledJetPushesTheCraftTowardTheTarget) {
  hold(kThrottleUp, 4);
  const SceneNode& engine = *hawk->nodes;
  ASSERT_TRUE(engine.throttle);
  EXPECT_EQ(engine.throttle->level, 1.0f);
  // The controls run before the dynamics, so each step flies on the throttle it set.
  EXPECT_FLOAT_EQ(hawk->motion.velocity[0], 0.1f);
  frame();
  EXPECT_FLOAT_EQ(hawk->motion.velocity[0], 0.14f);
  EXPECT_EQ(hawk->motion.angularVelocity, (Vec3{0.0f, 0.0f, 0.0f}));
}

TEST_F(Duel, TargetKeySelectsTheDroneAndTheInstrumentsFollow) {
  hold(kNextTarget, 1);
  EXPECT_EQ(hawk->target, drone);
  frame();
  EXPECT_FLOAT_EQ(hawk->pose.targetRange, 30.0f);
  EXPECT_NEAR(hawk->pose.targetAzimuth, 0.0f, 1e-3f);
}

TEST_F(Duel, TwoHitsDestroyTheDroneWhichExplodesAsAWreck) {
  hold(kFire, 2);
  EXPECT_EQ(hawk->next->name, "AMMO");
  for (int i = 0; i < 12 && drone->alive; ++i) frame();
  ASSERT_EQ(drone->damage->destroyed, 1);
  frame();                              // the controls of the next step start the explosion
  EXPECT_EQ(drone->keys[kTrigger], 0);  // consumed as the explosion started
  const SceneNode& blast = *drone->nodes->next;
  const float started = *paramSlot(blast, 0);
  EXPECT_GT(started, 0.0f);
  frame();
  EXPECT_GT(*paramSlot(blast, 0), started);  // its clock runs
}

TEST_F(Duel, DestroyedDroneWithRemovalZeroLeavesAndTakesTheTargetAlong) {
  drone->damage->removal = 0;
  hawk->target = drone;
  hold(kFire, 2);
  for (int i = 0; i < 12 && hawk->target; ++i) frame();
  EXPECT_EQ(hawk->target, nullptr);
  for (Identity* it = model.scene.get(); it; it = it->next.get()) EXPECT_NE(it->name, "Drone");
  EXPECT_EQ(model.controlled, hawk);
}

// The drone as a new author writes it, beside the original: a QUAD without a `backface` line
// and an EXPLOSION with only its key, no `max`, `time`, `type` or `size`.
TEST_F(Duel, PlainQuadIsHitLikeTheOriginalAndAnExplosionWithoutTimesEndsAtOnce) {
  const std::string text =
      "10 plain\ndrone\nname=Plain\npos=30 0 0\ndamage=10 0 0 0 1 120\n"
      "*QUAD\nname=hull\ndif=50 50 50 100\npos=0 0 0\ntang=0 0 1\nnorm=0 1 0\n"
      "verts=-2 -2 0 2 -2 0 2 2 0 -2 2 0\n*EXPLOSION\npos=0 0 0\ndetonate=120 0 0\n*END\n";
  std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
  ASSERT_TRUE(loadSceneStream(file, "plain.zsf", model, assets));
  std::fclose(file);
  Identity* plain = drone->next.get();
  hold(kFire, 2);
  for (int i = 0; i < 12 && plain->alive; ++i) frame();
  ASSERT_EQ(plain->damage->destroyed, 1);
  EXPECT_EQ(plain->damage->taken, drone->damage->taken);
  frame();
  const float* clock = paramSlot(*plain->nodes->next, 0);
  ASSERT_NE(clock, nullptr);  // it was set off
  EXPECT_EQ(*clock, 0.0f);
}

}  // namespace
}  // namespace vev::test
