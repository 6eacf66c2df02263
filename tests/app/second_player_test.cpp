#include <gtest/gtest.h>

#include <vector>

#include "app/game_step.h"
#include "app/second_player.h"
#include "app/view_state.h"
#include "model/kinematics.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr std::size_t kFire = 32;  // space

// The demonstration restarted in `view`, and the inputs of the frame at which the second player
// joins under the attack pilot.
FrameInputs joinGameForTwo(ViewState& view) {
  view.dataDir = VEV_SOURCE_DIR;
  applyGameCommand(view, GameCommand(GameCommand::Kind::restart));
  FrameInputs inputs;
  inputs.commands.emplace_back(GameCommand::Kind::secondPlayerJoins);
  inputs.commands.emplace_back(GameCommand::Kind::pilot, std::string(), true);
  return inputs;
}

TEST(SecondPlayerTest, TheSecondMBirdFliesOnTheSecondKeysUntilItsPlayerLeaves) {
  ViewState view(std::make_unique<SilentSoundLibrary>());
  FrameInputs inputs = joinGameForTwo(view);
  inputs.secondKeys[kFire] = 1;
  stepGame(view, inputs);
  Identity* second = secondPlayerCraft(view.model);
  ASSERT_TRUE(second);
  EXPECT_NE(second, view.model.controlled);
  EXPECT_EQ(second->sourcePath, view.model.controlled->sourcePath);
  // The pilot left the keyboard's keys as the second player pressed them.
  const auto keyboard = [](const Identity& craft) {
    return std::vector<std::int16_t>(craft.keys.begin(), craft.keys.begin() + 256);
  };
  std::vector<std::int16_t> pressed(256, 0);
  pressed[kFire] = 1;
  EXPECT_EQ(keyboard(*second), pressed);

  inputs.commands = {GameCommand(GameCommand::Kind::secondPlayerLeaves)};
  stepGame(view, inputs);
  EXPECT_FALSE(second->secondPlayer);
  EXPECT_NE(keyboard(*second), pressed) << "the pilot does not fly the departed player's craft";
}

// In a game for two the attack pilot fights both players: with the host's craft far off, the
// opponents go for the second player's.
TEST(SecondPlayerTest, TheAttackPilotGoesForTheNearerPlayer) {
  ViewState view(std::make_unique<SilentSoundLibrary>());
  FrameInputs inputs = joinGameForTwo(view);
  stepGame(view, inputs);
  translateIdentity(*view.model.controlled, 0.0f, 3000.0f, 0.0f);
  const Identity* second = secondPlayerCraft(view.model);
  for (int frame = 0; frame < 150; ++frame) stepGame(view, FrameInputs{});
  int onSecond = 0;
  for (const Identity* it = view.model.scene.get(); it; it = it->next.get()) {
    EXPECT_NE(it->target, view.model.controlled) << it->hudName;
    onSecond += it->target == second ? 1 : 0;
  }
  EXPECT_GE(onSecond, 3);
}

}  // namespace
}  // namespace vev
