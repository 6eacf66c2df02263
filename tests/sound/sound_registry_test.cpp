#include "sound/sound_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/sound/recording_sound_library.h"

namespace vev {
namespace {

class SoundRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(table.init()); }

  LibraryCalls calls;
  SoundTable table{std::make_unique<RecordingSoundLibrary>(calls)};
  SoundRegistry registry{table};
};

TEST_F(SoundRegistryTest, PathIsTheDirectoryAndFileNameOpenedWithForwardSlashes) {
  SoundRef ref;
  registry.registerSound("sw\\sounds\\", "laser 1.wav", ref);
  EXPECT_EQ(ref.path, "sw\\sounds\\laser 1.wav");
  ASSERT_EQ(registry.entries().size(), 1u);
  EXPECT_EQ(registry.entries()[0].path, "sw\\sounds\\laser 1.wav");
  EXPECT_EQ(calls.loaded, std::vector<std::string>{"sw/sounds/laser 1.wav"});
}

TEST_F(SoundRegistryTest, TheSameFileTwiceGivesTwoEntriesAndTwoSlots) {
  SoundRef first;
  SoundRef second;
  registry.registerSound("sw/", "jet.wav", first);
  registry.registerSound("sw/", "jet.wav", second);
  ASSERT_EQ(registry.entries().size(), 2u);
  EXPECT_EQ(first.entry, 0);
  EXPECT_EQ(second.entry, 1);
  EXPECT_EQ(registry.entries()[1].sampleSlot, 1);
  EXPECT_EQ(registry.entries()[1].channelSlot, 1);
  EXPECT_EQ(calls.loaded.size(), 2u);
}

TEST_F(SoundRegistryTest, AMissingFileGivesSlotMinusOneInEntryAndRef) {
  calls.missing.insert("sw/gone.wav");
  SoundRef ref;
  registry.registerSound("sw/", "gone.wav", ref);
  EXPECT_EQ(ref.entry, -1);
  EXPECT_EQ(registry.entries()[0].sampleSlot, -1);
  EXPECT_EQ(registry.entries()[0].channelSlot, -1);
  EXPECT_EQ(registry.findEntry(-1), &registry.entries()[0]);
}

TEST_F(SoundRegistryTest, RegistrationClearsRequestsKeepsTheRangeAndStartsTheEntryFresh) {
  SoundRef ref;
  ref.range = 350.0f;
  ref.playRequests = 4;
  registry.registerSound("", "boom.wav", ref);
  EXPECT_EQ(ref.range, 350.0f);
  EXPECT_EQ(ref.playRequests, 0);
  const SoundEntry& entry = registry.entries()[0];
  EXPECT_EQ(entry.looping, 0);
  EXPECT_EQ(entry.gain, 255.0f);
  EXPECT_EQ(entry.pitchFactor, 0.2f);
}

TEST_F(SoundRegistryTest, FindEntryGivesTheFirstEntryWithTheSlot) {
  SoundRef a;
  SoundRef b;
  registry.registerSound("", "a.wav", a);
  registry.registerSound("", "b.wav", b);
  EXPECT_EQ(registry.findEntry(1), &registry.entries()[1]);
  EXPECT_EQ(registry.findEntry(2), nullptr);
}

}  // namespace
}  // namespace vev
