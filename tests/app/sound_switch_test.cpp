#include "app/sound_switch.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/commands.h"
#include "tests/sound/recording_sound_library.h"

namespace vev {
namespace {

// Two registered sounds, the second a running jet loop.
struct SoundSwitch : ::testing::Test {
  SoundSwitch() {
    view.sounds.registerSound("sw/", "shot.wav", shot);
    view.sounds.registerSound("sw/", "jet.wav", jet);
    SoundEntry& loop = view.sounds.entries()[1];
    view.soundTable.play(loop.sampleSlot, true);
    loop.looping = 1;
    calls.volumes.clear();
  }

  LibraryCalls calls;
  ViewState view{std::make_unique<RecordingSoundLibrary>(calls)};
  SoundRef shot;
  SoundRef jet;
};

TEST_F(SoundSwitch, SoundOffSilencesOnlyTheRunningLoops) {
  runCommand(view, kToggleSound, {}, {});
  EXPECT_EQ(view.settings.soundEnabled, 0);
  ASSERT_EQ(calls.volumes.size(), 1u);
  EXPECT_EQ(calls.volumes[0], (std::pair<int, int>{calls.lastChannel, 0}));
  runCommand(view, kToggleSound, {}, {});
  EXPECT_EQ(view.settings.soundEnabled, 1);
  EXPECT_EQ(calls.volumes.size(), 1u) << "loops come back with the next frame's volume";
}

TEST_F(SoundSwitch, ClosingStopsEverySoundBeforeTheLibraryCloses) {
  closeSound(view);
  EXPECT_EQ(calls.closes, 1);
  EXPECT_EQ(calls.stopsAtClose, 2u) << "one stop for each registered sound";
  EXPECT_FALSE(view.soundTable.ready());
}

}  // namespace
}  // namespace vev
