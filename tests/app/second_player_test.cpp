#include <gtest/gtest.h>

#include <vector>

#include "app/game_step.h"
#include "app/second_player.h"
#include "app/view_state.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr std::size_t kFire = 32;  // space

TEST(SecondPlayerTest, TheSecondMBirdFliesOnTheSecondKeysUntilItsPlayerLeaves) {
  ViewState view(std::make_unique<SilentSoundLibrary>());
  view.dataDir = VEV_SOURCE_DIR;
  applyGameCommand(view, GameCommand(GameCommand::Kind::restart));
  FrameInputs inputs;
  inputs.commands.emplace_back(GameCommand::Kind::secondPlayerJoins);
  inputs.commands.emplace_back(GameCommand::Kind::pilot, std::string(), true);
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

}  // namespace
}  // namespace vev
