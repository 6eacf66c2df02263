#include "sound/sound_switch.h"

#include <gtest/gtest.h>

#include <vector>

#include "sound/sound_shutdown.h"
#include "tests/sound/sound_scene_fixture.h"

namespace vev {
namespace {

using SoundSwitchTest = SoundSceneTest;

TEST_F(SoundSwitchTest, SoundOffSilencesStartedLoopsAndSoundOnBringsThemBackNextFrame) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  jetAt(craft, {0.0f, 0.0f, 0.0f}, 1.0f);
  jetAt(craft, {500.0f, 0.0f, 0.0f}, 1.0f);  // never heard, never started
  frames(1);
  std::int32_t soundEnabled = 1;
  calls.volumes.clear();
  soundOff(registry, soundEnabled);
  EXPECT_EQ(soundEnabled, 0);
  EXPECT_EQ(calls.volumes, (std::vector<std::pair<int, int>>{{1, 0}}));
  mix.enabled = soundEnabled == 1;
  frames(2);
  EXPECT_EQ(calls.volumes.size(), 1u) << "while off the loops stay silent";
  soundOn(soundEnabled);
  EXPECT_EQ(soundEnabled, 1);
  mix.enabled = soundEnabled == 1;
  frames(1);
  EXPECT_EQ(calls.volumes[1], (std::pair<int, int>{1, 127}));
  EXPECT_EQ(calls.played.size(), 1u);
}

TEST_F(SoundSwitchTest, ShutdownStopsEveryEntryThenClosesAndIsDoneOnce) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  jetAt(craft, {0.0f, 0.0f, 0.0f}, 0.0f);
  craft.sound = sound("boom.wav");
  craft.sound->playRequests = 1;
  frames(1);
  shutdownSound(registry);
  EXPECT_EQ(calls.stopped, (std::vector<int>{2, 1})) << "in registration order: jet, boom";
  EXPECT_EQ(calls.stopsAtClose, 2u);
  EXPECT_EQ(calls.freed, (std::vector<int>{1, 2}));
  EXPECT_EQ(calls.closes, 1);
  shutdownSound(registry);
  EXPECT_EQ(calls.closes, 1);
  EXPECT_EQ(calls.stopped.size(), 2u);
}

}  // namespace
}  // namespace vev
