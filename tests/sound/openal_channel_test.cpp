#include <gtest/gtest.h>

#include <vector>

#include "sound/openal_sound_library.h"
#include "tests/sound/openal_output_fixture.h"

namespace vev {
namespace {

constexpr int kChannels = 32;

// Channels over a pool of 32 sources, playing a sample long enough to outlast each test.
class OpenAlChannelTest : public OpenAlOutputTest {
 protected:
  void SetUp() override {
    OpenAlOutputTest::SetUp();
    ASSERT_TRUE(library.init(44100, kChannels));
    sample = library.loadSample(writeSample("long.wav", {.rate = 22050, .frames = 22050 * 4}));
    ASSERT_NE(sample, 0);
  }

  // The device closes before the fixture removes the directory its WAV file is in.
  void TearDown() override {
    library.close();
    OpenAlOutputTest::TearDown();
  }

  int play(bool looping) {
    library.setLoopMode(sample, looping);
    return library.playSound(sample);
  }

  std::vector<int> playMany(int count, bool looping) {
    std::vector<int> channels;
    for (int i = 0; i < count; ++i) channels.push_back(play(looping));
    return channels;
  }

  int playingCount(const std::vector<int>& channels) {
    int playing = 0;
    for (const int channel : channels) playing += library.isPlaying(channel) ? 1 : 0;
    return playing;
  }

  OpenAlSoundLibrary library{waveOptions()};
  int sample = 0;
};

TEST_F(OpenAlChannelTest, The33rdOneShotTakesTheOldestOneShotsSource) {
  std::vector<int> channels = playMany(kChannels, false);
  const int newest = play(false);
  ASSERT_NE(newest, 0);
  EXPECT_FALSE(library.isPlaying(channels[0]));
  EXPECT_EQ(library.getFrequency(channels[0]), 0);
  EXPECT_EQ(playingCount({channels.begin() + 1, channels.end()}), kChannels - 1);
  EXPECT_TRUE(library.isPlaying(newest));
}

TEST_F(OpenAlChannelTest, AStaleHandleCannotTouchTheSoundThatTookItsSource) {
  std::vector<int> channels = playMany(kChannels, false);
  const int newest = play(false);
  library.setFrequency(channels[0], 44100);
  library.stopSound(channels[0]);
  EXPECT_TRUE(library.isPlaying(newest));
  EXPECT_EQ(library.getFrequency(newest), 22050);
}

TEST_F(OpenAlChannelTest, ALoopIsNotStolenWhileAOneShotCanBe) {
  const int loop = play(true);
  std::vector<int> oneShots = playMany(kChannels - 1, false);
  play(false);
  EXPECT_TRUE(library.isPlaying(loop));
  EXPECT_FALSE(library.isPlaying(oneShots[0]));
  EXPECT_EQ(playingCount(oneShots), kChannels - 2);
}

TEST_F(OpenAlChannelTest, WhenEverySourceLoopsTheOldestLoopIsTaken) {
  std::vector<int> loops = playMany(kChannels, true);
  play(true);
  EXPECT_FALSE(library.isPlaying(loops[0]));
  EXPECT_EQ(playingCount(loops), kChannels - 1);
}

TEST_F(OpenAlChannelTest, AStoppedSourceIsReusedBeforeAPlayingOneIsTaken) {
  std::vector<int> channels = playMany(kChannels, false);
  library.stopSound(channels[5]);
  play(false);
  EXPECT_TRUE(library.isPlaying(channels[0]));
  EXPECT_EQ(playingCount(channels), kChannels - 1);
}

TEST_F(OpenAlChannelTest, FreeingASampleStopsItsChannelsAndLeavesOthersPlaying) {
  const int other =
      library.loadSample(writeSample("other.wav", {.rate = 22050, .frames = 22050 * 4}));
  const int doomed = play(true);
  const int kept = library.playSound(other);
  library.freeSample(sample);
  EXPECT_FALSE(library.isPlaying(doomed));
  EXPECT_EQ(library.playSound(sample), 0);
  EXPECT_TRUE(library.isPlaying(kept));
  EXPECT_EQ(library.loadSample(path("other.wav")), sample);  // the freed handle is reused
}

TEST_F(OpenAlChannelTest, CloseReleasesEverythingAndTheLibraryOpensAgain) {
  const int channel = play(true);
  library.close();
  EXPECT_FALSE(library.isPlaying(channel));
  EXPECT_EQ(library.playSound(sample), 0);
  EXPECT_EQ(library.loadSample(path("long.wav")), 0);
  ASSERT_TRUE(library.init(44100, kChannels));
  EXPECT_EQ(library.loadSample(path("long.wav")), 1);
}

}  // namespace
}  // namespace vev
