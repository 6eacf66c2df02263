#include "app/frame.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/game_step.h"
#include "app/key_state.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"
#include "scenefile/loader.h"
#include "sim/node_kind.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr KeyCode kSpace = 32;

// The hawk (a cannon firing along +x) and the drone (a square target 30 m ahead) in one view,
// painted into an offscreen context frame by frame.
struct FrameScene : ::testing::Test {
  FrameScene() {
    resize(view.viewport, 160, 120);
    SceneAssets assets = view.assets({});
    const std::string data = std::string(VEV_SOURCE_DIR) + "/tests/data/sim/";
    EXPECT_TRUE(loadSceneFile(data + "hawk.zsf", view.model, assets));
    EXPECT_TRUE(loadSceneFile(data + "drone.zsf", view.model, assets));
  }

  void frames(int count) {
    for (int i = 0; i < count; ++i) runFrame(view, takeFrameInputs(view), [this] { ++presented; });
  }

  int countShots() {
    int shots = 0;
    for (Identity* it = view.model.scene.get(); it; it = it->next.get()) shots += isShot(*it);
    return shots;
  }

  std::optional<OffscreenContext> context = OffscreenContext::create(160, 120);
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  int presented = 0;
};

TEST_F(FrameScene, FirstFrameTakesControlOfTheFirstIdentityAndPresentsOnce) {
  ASSERT_TRUE(context);
  frames(1);
  EXPECT_EQ(view.model.controlled, view.model.scene.get());
  EXPECT_EQ(presented, 1);
  EXPECT_EQ(view.model.frameReady, 1);
  ASSERT_TRUE(view.model.viewerPose);
  EXPECT_EQ(view.model.viewerPose->position, view.model.freeCamera.position);
}

TEST_F(FrameScene, HeldFireKeySpawnsAShotEveryFrameBehindTheShooter) {
  ASSERT_TRUE(context);
  view.model.keyState[kSpace] = 1;
  frames(3);
  EXPECT_EQ(countShots(), 3);
  EXPECT_TRUE(isShot(*view.model.scene->next));
  view.model.keyState[kSpace] = 0;
  frames(1);
  EXPECT_EQ(countShots(), 3);
}

TEST_F(FrameScene, ShotsDestroyTheTargetWhichStaysAsAWreck) {
  ASSERT_TRUE(context);
  view.model.keyState[kSpace] = 1;
  Identity* drone = view.model.scene->next.get();
  ASSERT_EQ(drone->name, "Drone");
  for (int i = 0; i < 60 && drone->alive; ++i) {
    frames(1);
    EXPECT_TRUE(view.collisionLines.empty()) << "collision debug is off";
  }
  EXPECT_EQ(drone->alive, 0);
  EXPECT_EQ(drone->damage->destroyed, 1);
  view.model.keyState[kSpace] = 0;
  frames(100);
  EXPECT_EQ(countShots(), 0) << "every shot exploded or ran out of range and was swept";
}

TEST_F(FrameScene, AKeyPressedAndReleasedBetweenTwoStepsIsHeldForTheNextOnly) {
  keyDown(view.model.keyState, kSpace);
  keyDown(view.pressedSinceStep, kSpace);
  keyUp(view.model.keyState, kSpace);
  EXPECT_EQ(takeFrameInputs(view).keys[kSpace], 1);
  EXPECT_EQ(takeFrameInputs(view).keys[kSpace], 0);
}

TEST_F(FrameScene, CollisionDebugCollectsTheTestVectorsOfCrossedPlanes) {
  ASSERT_TRUE(context);
  view.model.keyState[kSpace] = 1;
  const auto framesWithLines = [this](int count) {
    int withLines = 0;
    for (int i = 0; i < count; ++i) {
      frames(1);
      withLines += !view.collisionLines.empty();
    }
    return withLines;
  };
  view.settings.collisionDebug = 1;
  EXPECT_GT(framesWithLines(15), 0) << "shots reach the drone's plane within 15 frames";
}

}  // namespace
}  // namespace vev
