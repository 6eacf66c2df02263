#include <AL/al.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/attack_pilot.h"
#include "app/scene_json.h"
#include "app/restart.h"
#include "model/kinematics.h"
#include "scenefile/loader.h"
#include "sim/node_kind.h"
#include "sound/openal_sound_library.h"
#include "tests/demo/demo_flight.h"

// The attack pilot, the restart and the demonstration's look with textures off.
namespace vev::demo {
namespace {

// Shots that a computer-flown craft fired: they are inserted after their shooter.
int shotsOfOthers(const ModelState& model) {
  int shots = 0;
  const Identity* shooter = nullptr;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (!isShot(*it)) shooter = it;
    if (isShot(*it) && shooter != model.scene.get()) ++shots;
  }
  return shots;
}

using AttackPilot = DemoFlight;

TEST_F(AttackPilot, OthersCloseInAndFireOnThePlayerOnlyWhenAttacking) {
  frames(500);
  EXPECT_EQ(shotsOfOthers(view.model), 0) << "the demonstration pilot never fires";
  EXPECT_EQ(player()->damage->taken, 0);

  view.settings.attack = 1;
  int damaged = 0;
  int mostShots = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    frames(1);
    mostShots = std::max(mostShots, shotsOfOthers(view.model));
    damaged += player()->damage->taken > 0 || isDestroyed(*player());
    for (const Identity* craft : computerCraft()) {
      ASSERT_LT(length(craft->pose.position - player()->pose.position), 1500.0f)
          << craft->name << " at frame " << frame;
    }
  }
  EXPECT_GT(mostShots, 4);
  EXPECT_GT(damaged, 0) << "the player took hits";
}

// A golden-bird whose arrow keys are swapped in its file, flown against the player 300 m to its
// right: it turns to face the player all the same.
TEST(AttackPilotKeys, ACraftWithSwappedTurnKeysStillTurnsTowardsItsTarget) {
  std::ifstream original(std::string(VEV_SOURCE_DIR) + "/sw/golden-bird.ssp.zsf");
  std::stringstream text;
  text << original.rdbuf();
  std::string swapped = text.str();
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"controlry=37 39", "controlry=39 37"},
        {"controlrz=38 40", "controlrz=40 38"}}) {
    const auto at = swapped.find(from);
    ASSERT_NE(at, std::string::npos);
    swapped.replace(at, from.size(), to);
  }
  const auto dir = std::filesystem::path(::testing::TempDir()) / "swapped";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "hunter.zsf") << swapped;

  ViewState view(std::make_unique<SilentSoundLibrary>());
  auto context = OffscreenContext::create(64, 48);
  ASSERT_TRUE(context);
  resize(view.viewport, 64, 48);
  SceneAssets assets = view.assets({});
  ASSERT_TRUE(
      loadSceneFile(std::string(VEV_SOURCE_DIR) + "/sw/m-bird.ssp.zsf", view.model, assets));
  ASSERT_TRUE(loadSceneFile((dir / "hunter.zsf").string(), view.model, assets));
  Identity& hunter = *view.model.scene->next;
  translateIdentity(hunter, 0.0f, 0.0f, -300.0f);
  view.settings.attack = 1;
  float nearestAim = 180.0f;
  for (int frame = 0; frame < 150; ++frame) {
    runFrame(view, takeFrameInputs(view), {});
    nearestAim = std::min(
        nearestAim,
        angleBetween(hunter.pose.tangent, view.model.scene->pose.position - hunter.pose.position));
  }
  ASSERT_EQ(hunter.target, view.model.scene.get());
  EXPECT_LT(nearestAim, 5.0f) << "the nose came onto the target";
}

// Every key up to the last one a file may bind is let go; a destroyed craft's trigger stays down.
TEST(AttackPilotKeys, LettingGoReachesTheLastKeyAndKeepsTheTrigger) {
  Identity craft;
  craft.damage = std::make_unique<DamageState>();
  craft.damage->triggerKey = 69;
  craft.keys[69] = 1;
  craft.keys[1] = 1;
  craft.keys[kKeyCount - 1] = 1;
  releasePilotKeys(craft);
  EXPECT_EQ(craft.keys[1], 0);
  EXPECT_EQ(craft.keys[kKeyCount - 1], 0);
  EXPECT_EQ(craft.keys[69], 1);
}

using Restart = DemoFlight;

TEST_F(Restart, BuildsTheSceneAgainExactlyAsAtStartUp) {
  const std::string atStart = sceneJson(view.model, view.textures, view.sounds);
  view.pilot.attack = true;
  hold(kT);
  frames(200);
  release(kT);
  ASSERT_NE(sceneJson(view.model, view.textures, view.sounds), atStart);
  restartDemonstration(view, VEV_SOURCE_DIR, {});
  EXPECT_EQ(sceneJson(view.model, view.textures, view.sounds), atStart);
  EXPECT_EQ(view.pilot.pilotTick, 0);
}

// The sources of the current OpenAL context that are playing; source names are small numbers.
int playingSources() {
  int playing = 0;
  for (ALuint source = 1; source < 1024; ++source) {
    if (alIsSource(source) != AL_TRUE) continue;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    playing += state == AL_PLAYING;
  }
  return playing;
}

// The real sound library on OpenAL Soft's wave output: engines and lasers play before the
// restart, and nothing plays on after it.
TEST(RestartSound, NothingPlaysOnFromBefore) {
  OpenAlOptions output;
  output.backend = OpenAlOptions::Backend::WaveFile;
  output.wavePath = (std::filesystem::path(::testing::TempDir()) / "restart.wav").string();
  ViewState view(std::make_unique<OpenAlSoundLibrary>(output));
  ASSERT_TRUE(view.soundTable.ready());
  auto context = OffscreenContext::create(64, 48);
  ASSERT_TRUE(context);
  resize(view.viewport, 64, 48);
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, VEV_SOURCE_DIR);
  view.model.keyState[kT] = 1;
  view.model.keyState[kSpace] = 1;
  for (int frame = 0; frame < 30; ++frame) {
    runFrame(view, takeFrameInputs(view), {});
  }
  ASSERT_GT(playingSources(), 0);
  restartDemonstration(view, VEV_SOURCE_DIR, {});
  EXPECT_EQ(playingSources(), 0);
}

using DemoLook = DemoFlight;

// With textures off the sky is the dark colour the surroundings give it, not their white.
TEST_F(DemoLook, TheSkyIsDarkWithTexturesOff) {
  view.settings.textures = 0;
  frames(1);
  for (const auto& [x, y] : {std::pair{5, 5}, {kWidth / 2, 5}, {5, kHeight / 2}}) {
    const auto pixel = context->pixel(x, y);
    EXPECT_LT(pixel[0] + pixel[1] + pixel[2], 60) << x << "," << y;
  }
}

}  // namespace
}  // namespace vev::demo
