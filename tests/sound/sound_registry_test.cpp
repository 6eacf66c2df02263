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

  SoundLoad add(const std::string& file, SoundRef& ref) {
    return registry.registerSound("sw/", file, ref);
  }

  LibraryCalls calls;
  SoundTable table{std::make_unique<RecordingSoundLibrary>(calls)};
  SoundRegistry registry{table};
};

TEST_F(SoundRegistryTest, PathIsTheDirectoryAndFileNameOpenedWithForwardSlashes) {
  SoundRef ref;
  EXPECT_EQ(registry.registerSound("sw\\sounds\\", "laser 1.wav", ref), SoundLoad::loaded);
  EXPECT_EQ(ref.path, "sw\\sounds\\laser 1.wav");
  ASSERT_EQ(registry.entries().size(), 1u);
  EXPECT_EQ(registry.entries().at(0).path, "sw\\sounds\\laser 1.wav");
  EXPECT_EQ(calls.loaded, std::vector<std::string>{"sw/sounds/laser 1.wav"});
}

TEST_F(SoundRegistryTest, TheSameFileTwiceGivesTwoEntriesSharingOneSample) {
  SoundRef first;
  SoundRef second;
  add("jet.wav", first);
  add("jet.wav", second);
  ASSERT_EQ(registry.entries().size(), 2u);
  EXPECT_EQ(first.entry, 0);
  EXPECT_EQ(second.entry, 1);
  EXPECT_EQ(registry.findEntry(1), &registry.entries().at(1));
  EXPECT_EQ(registry.entries().at(1).sampleSlot, 0);
  EXPECT_EQ(calls.loaded.size(), 1u);
  EXPECT_EQ(registry.findEntry(2), nullptr);
}

TEST_F(SoundRegistryTest, AMissingFileIsUnreadableAndItsEntryHasNoSample) {
  calls.missing.insert("sw/gone.wav");
  SoundRef ref;
  EXPECT_EQ(add("gone.wav", ref), SoundLoad::unreadable);
  EXPECT_EQ(ref.entry, 0);
  EXPECT_EQ(registry.entries().at(0).sampleSlot, -1);
}

TEST_F(SoundRegistryTest, RegistrationClearsRequestsKeepsTheRangeAndStartsTheEntryFresh) {
  SoundRef ref;
  ref.range = 350.0f;
  ref.playRequests = 4;
  registry.registerSound("", "boom.wav", ref);
  EXPECT_EQ(ref.range, 350.0f);
  EXPECT_EQ(ref.playRequests, 0);
  const SoundEntry& entry = registry.entries().at(0);
  EXPECT_EQ(entry.looping, 0);
  EXPECT_EQ(entry.gain, 255.0f);
  EXPECT_EQ(entry.pitchFactor, 0.2f);
  EXPECT_EQ(entry.channel, 0);
}

// A full table is told as such; a sample already loaded still plays for another line.
TEST_F(SoundRegistryTest, AFullTableRefusesOnlyNewFiles) {
  SoundRef ref;
  for (int i = 0; i < SoundTable::kSlotCount; ++i) {
    ASSERT_EQ(add(std::to_string(i) + ".wav", ref), SoundLoad::loaded);
  }
  EXPECT_EQ(add("one too many.wav", ref), SoundLoad::tableFull);
  EXPECT_EQ(registry.entries().at(ref.entry).sampleSlot, -1);
  EXPECT_EQ(add("7.wav", ref), SoundLoad::loaded);
  EXPECT_EQ(registry.entries().at(ref.entry).sampleSlot, 7);
  EXPECT_EQ(calls.loaded.size(), static_cast<std::size_t>(SoundTable::kSlotCount));
}

TEST_F(SoundRegistryTest, WithoutADeviceNothingIsLoadedAndNothingIsBlamed) {
  LibraryCalls silent;
  silent.initSucceeds = false;
  SoundTable closed(std::make_unique<RecordingSoundLibrary>(silent));
  closed.init();
  SoundRegistry sounds(closed);
  SoundRef ref;
  EXPECT_EQ(sounds.registerSound("", "a.wav", ref), SoundLoad::noDevice);
  EXPECT_TRUE(silent.loaded.empty());
}

// Forgotten entries stop their channel; a sample is freed once no kept entry plays it, and its
// slot then takes another file.
TEST_F(SoundRegistryTest, KeepOnlyForgetsTheRestAndFreesTheSamplesNoOnePlays) {
  SoundRef laser, jet, jetToo;
  add("laser.wav", laser);
  add("jet.wav", jet);
  add("jet.wav", jetToo);
  registry.findEntry(jet.entry)->channel = table.play(1, true);
  registry.keepOnly({laser.entry, jetToo.entry});
  EXPECT_EQ(calls.stopped, std::vector<int>{1});
  EXPECT_TRUE(calls.freed.empty());
  EXPECT_EQ(registry.findEntry(jet.entry), nullptr);
  registry.keepOnly({jetToo.entry});
  EXPECT_EQ(calls.freed, std::vector<int>{1});
  SoundRef other;
  add("other.wav", other);
  EXPECT_EQ(registry.entries().at(other.entry).sampleSlot, 0);
  EXPECT_EQ(other.entry, 3);
}

}  // namespace
}  // namespace vev
