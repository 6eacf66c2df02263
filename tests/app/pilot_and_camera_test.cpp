#include <gtest/gtest.h>

#include "app/demo_pilot.h"
#include "app/free_camera.h"

namespace vev {
namespace {

constexpr KeyCode kT = 84, kB = 66, kRight = 39, kDown = 40, kCtrl = 17, kKeypad9 = 105,
                  kKeypad4 = 100;

struct PilotScene : ::testing::Test {
  PilotScene() {
    for (int i = 0; i < 3; ++i) appendIdentity(model.scene, newIdentity());
  }
  Identity& second() { return *model.scene->next; }
  void ticks(int count) {
    for (int i = 0; i < count; ++i) tick(model, pilot);
  }

  ModelState model;
  DemoPilot pilot;
};

TEST_F(PilotScene, FirstTickThrustsAndTurnsEveryCraftButThePlayer) {
  EXPECT_TRUE(tick(model, pilot));
  EXPECT_EQ(pilot.pilotTick, 1);
  for (Identity* it = model.scene->next.get(); it; it = it->next.get()) {
    EXPECT_EQ(it->keys[kT], 1);
    EXPECT_EQ(it->keys[kDown], 1);
    EXPECT_EQ(it->keys[kRight], 1);
    EXPECT_EQ(it->keys[kB], 0);
  }
  EXPECT_EQ(model.scene->keys[kT], 0);
}

TEST_F(PilotScene, SecondQuarterBrakesWithThrustStillHeld) {
  ticks(25);
  EXPECT_EQ(pilot.pilotTick, 25);
  EXPECT_EQ(second().keys[kT], 1) << "the pilot never releases T";
  EXPECT_EQ(second().keys[kB], 1);
  EXPECT_EQ(second().keys[kDown], 0);
  EXPECT_EQ(second().keys[kRight], 0);
}

TEST_F(PilotScene, CounterWrapsAfterNinetyNine) {
  ticks(99);
  EXPECT_EQ(pilot.pilotTick, 99);
  EXPECT_EQ(second().keys[kDown], 0);
  ticks(1);
  EXPECT_EQ(pilot.pilotTick, 0);
  EXPECT_EQ(second().keys[kDown], 1);
}

TEST_F(PilotScene, TicksDuringAFrameOrALoadDoNothing) {
  model.frameReady = 0;
  EXPECT_FALSE(tick(model, pilot));
  EXPECT_EQ(pilot.pilotTick, 0);
  EXPECT_EQ(second().keys[kT], 0);
}

TEST(FreeCamera, MovesOnlyWhileCtrlIsHeldAndItIsTheActiveCamera) {
  ModelState model;
  model.keyState[kKeypad9] = 1;
  applyFreeCameraKeys(model);
  EXPECT_EQ(model.freeCamera.position, (Vec3{-10, 3, 0}));

  model.keyState[kCtrl] = 1;
  applyFreeCameraKeys(model);
  EXPECT_FLOAT_EQ(model.freeCamera.position[0], -9.5f);

  Pose other = unitPose();
  model.activeCamera = &other;
  applyFreeCameraKeys(model);
  EXPECT_FLOAT_EQ(model.freeCamera.position[0], -9.5f);
}

TEST(FreeCamera, KeypadFourTurnsAboutTheCamerasNormal) {
  ModelState model;
  model.keyState[kCtrl] = 1;
  model.keyState[kKeypad4] = 1;
  for (int i = 0; i < 45; ++i) applyFreeCameraKeys(model);
  EXPECT_NEAR(model.freeCamera.tangent[0], 0.0f, 1e-5f);
  EXPECT_NEAR(model.freeCamera.tangent[2], -1.0f, 1e-5f);
}

}  // namespace
}  // namespace vev
