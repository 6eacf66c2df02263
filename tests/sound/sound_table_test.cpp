#include "sound/sound_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/sound/recording_sound_library.h"

namespace vev {
namespace {

class SoundTableTest : public ::testing::Test {
 protected:
  LibraryCalls calls;
  SoundTable table{std::make_unique<RecordingSoundLibrary>(calls)};

  void exerciseSlot(int slot) {
    const int channel = table.play(slot, true);
    table.stop(channel);
    table.setVolume(channel, 100);
    table.scalePitch(channel, 2.0f);
  }
};

TEST_F(SoundTableTest, DoesNothingWhenTheLibraryCannotInitialise) {
  calls.initSucceeds = false;
  EXPECT_FALSE(table.init());
  EXPECT_FALSE(table.ready());
  EXPECT_EQ(table.load("a.wav"), -1);
  exerciseSlot(0);
  EXPECT_EQ(calls.soundCalls(), 0);
  table.close();
  EXPECT_EQ(calls.closes, 0);
}

TEST_F(SoundTableTest, InitialisesOnlyOnce) {
  EXPECT_TRUE(table.init());
  EXPECT_FALSE(table.init());
  EXPECT_TRUE(table.ready());
  EXPECT_EQ(calls.inits, 1);
}

TEST_F(SoundTableTest, LoadTakesTheFirstEmptySlotAndAFailedLoadLeavesItEmpty) {
  calls.missing.insert("missing.wav");
  ASSERT_TRUE(table.init());
  EXPECT_EQ(table.load("a.wav"), 0);
  EXPECT_EQ(table.load("missing.wav"), -1);
  EXPECT_EQ(table.load("b.wav"), 1);
  EXPECT_EQ(calls.loaded, (std::vector<std::string>{"a.wav", "missing.wav", "b.wav"}));
}

TEST_F(SoundTableTest, AFullTableRefusesANewSampleAndKeepsSlotZeroUntilASlotIsFreed) {
  ASSERT_TRUE(table.init());
  for (int i = 0; i < SoundTable::kSlotCount; ++i) ASSERT_EQ(table.load("s.wav"), i);
  EXPECT_TRUE(table.full());
  EXPECT_EQ(table.load("extra.wav"), -1);
  EXPECT_EQ(calls.loaded.size(), static_cast<std::size_t>(SoundTable::kSlotCount));
  table.play(0, false);
  EXPECT_EQ(calls.played, std::vector<int>{1});
  table.free(7);
  EXPECT_EQ(calls.freed, std::vector<int>{8});
  EXPECT_FALSE(table.full());
  EXPECT_EQ(table.load("extra.wav"), 7);
}

TEST_F(SoundTableTest, EachPlaySetsTheLoopModeAndGivesAChannelOfItsOwn) {
  ASSERT_TRUE(table.init());
  const int slot = table.load("jet.wav");
  EXPECT_EQ(table.play(slot, true), 1);
  EXPECT_EQ(table.play(slot, false), 2);
  EXPECT_EQ(calls.loopModes, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
  EXPECT_EQ(calls.played, (std::vector<int>{1, 1}));
  table.stop(1);
  EXPECT_EQ(calls.stopped, std::vector<int>{1});
}

TEST_F(SoundTableTest, VolumeIsClampedToTheLibraryRange) {
  ASSERT_TRUE(table.init());
  const int channel = table.play(table.load("a.wav"), false);
  table.setVolume(channel, -20);
  table.setVolume(channel, 128);
  table.setVolume(channel, 300);
  EXPECT_EQ(calls.volumes, (std::vector<std::pair<int, int>>{{1, 0}, {1, 128}, {1, 255}}));
}

TEST_F(SoundTableTest, ScalePitchMultipliesTheChannelFrequencyAndCutsIt) {
  ASSERT_TRUE(table.init());
  const int channel = table.play(table.load("a.wav"), true);
  table.scalePitch(channel, 2.0f);
  EXPECT_EQ(calls.frequencies[1], 44100);
  table.scalePitch(channel, std::sqrt(10.0f));
  EXPECT_EQ(calls.frequencies[1], 139456);  // 44100 * 3.1622777, cut
  table.scalePitch(channel, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(calls.frequencySets.size(), 2u);
  table.scalePitch(channel, 1e30f);
  EXPECT_EQ(calls.frequencies[1], INT_MAX);
  table.scalePitch(channel, -1.0f);
  EXPECT_EQ(calls.frequencies[1], 0);
}

TEST_F(SoundTableTest, InvalidAndEmptySlotsAreIgnored) {
  ASSERT_TRUE(table.init());
  ASSERT_EQ(table.load("a.wav"), 0);
  const int loads = calls.soundCalls();
  for (const int slot : {-1, 1, 99, 100, INT_MAX}) exerciseSlot(slot);
  EXPECT_EQ(calls.soundCalls(), loads);
}

TEST_F(SoundTableTest, CloseFreesEverySampleAndTheTableCanOpenAgain) {
  ASSERT_TRUE(table.init());
  table.load("a.wav");
  table.load("b.wav");
  table.close();
  EXPECT_EQ(calls.freed, (std::vector<int>{1, 2}));
  EXPECT_EQ(calls.closes, 1);
  EXPECT_FALSE(table.ready());
  EXPECT_EQ(table.load("c.wav"), -1);
  ASSERT_TRUE(table.init());
  EXPECT_EQ(table.load("c.wav"), 0);
}

}  // namespace
}  // namespace vev
