#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "sound/openal_sound_library.h"
#include "tests/sound/openal_output_fixture.h"
#include "tests/sound/sample_files.h"

namespace vev {
namespace {

constexpr int kMixRate = 44100;

// Plays a tone once at `volume` and `hertz` (0: the sample's own rate) and measures the WAV.
class OpenAlPlaybackTest : public OpenAlOutputTest {
 protected:
  WaveLevels playOnce(const Tone& tone, int volume, int hertz = 0) {
    OpenAlSoundLibrary library(waveOptions());
    EXPECT_TRUE(library.init(kMixRate, 32));
    const int sample = library.loadSample(writeSample("tone.wav", tone));
    EXPECT_NE(sample, 0);
    const int channel = library.playSound(sample);
    library.setVolume(channel, volume);
    if (hertz != 0) library.setFrequency(channel, hertz);
    EXPECT_TRUE(waitUntilStopped(library, channel));
    library.close();
    return measureWave(wavePath()).value_or(WaveLevels{});
  }
};

TEST_F(OpenAlPlaybackTest, AOneShotMakesTheSilentOutputAudible) {
  {
    OpenAlSoundLibrary library(waveOptions());
    ASSERT_TRUE(library.init(kMixRate, 32));
    ASSERT_TRUE(waitForOutput());
  }
  const std::optional<WaveLevels> silent = measureWave(wavePath());
  ASSERT_TRUE(silent);
  EXPECT_GT(silent->frames, 0);
  EXPECT_EQ(silent->rms, 0.0);

  const Tone tone{.rate = 22050, .frames = 11025};  // half a second
  const WaveLevels played = playOnce(tone, 255);
  EXPECT_GT(played.rms, 0.01);
  EXPECT_NEAR(played.audibleSpan, kMixRate / 2, kMixRate / 20);
}

TEST_F(OpenAlPlaybackTest, VolumeIsALinearGain) {
  const Tone tone{.rate = 44100, .frames = 22050};
  const WaveLevels full = playOnce(tone, 255);
  const WaveLevels third = playOnce(tone, 85);
  ASSERT_GT(third.rms, 0.0);
  EXPECT_NEAR(full.rms / third.rms, 3.0, 0.3);
}

TEST_F(OpenAlPlaybackTest, VolumeZeroSilencesTheSound) {
  const Tone tone{.rate = 44100, .frames = 22050};
  const WaveLevels muted = playOnce(tone, 0);
  // At most the mixing period under way when the gain changed can carry sound.
  EXPECT_LT(muted.audibleSpan, tone.frames / 8);
}

TEST_F(OpenAlPlaybackTest, DoublingTheFrequencyHalvesThePlayingTime) {
  const Tone tone{.rate = 22050, .frames = 11025};
  const WaveLevels faster = playOnce(tone, 255, 44100);
  EXPECT_NEAR(faster.audibleSpan, kMixRate / 4, kMixRate / 20);
}

TEST_F(OpenAlPlaybackTest, FrequencyIsTheSampleRateTimesThePitchAndIsBounded) {
  OpenAlSoundLibrary library(waveOptions());
  ASSERT_TRUE(library.init(kMixRate, 32));
  const int sample = library.loadSample(writeSample("tone.wav", {.rate = 22050, .frames = 22050}));
  library.setLoopMode(sample, true);
  const int channel = library.playSound(sample);
  EXPECT_EQ(library.getFrequency(channel), 22050);
  library.setFrequency(channel, 69728);
  EXPECT_EQ(library.getFrequency(channel), 69728);
  library.setFrequency(channel, 0);
  EXPECT_GT(library.getFrequency(channel), 0);
  library.setFrequency(channel, INT_MAX);
  EXPECT_EQ(library.getFrequency(channel), static_cast<int>(22050 * OpenAlSoundLibrary::kMaxPitch));
}

TEST_F(OpenAlPlaybackTest, LoopModeAppliesToTheNextPlay) {
  OpenAlSoundLibrary library(waveOptions());
  ASSERT_TRUE(library.init(kMixRate, 32));
  const int sample = library.loadSample(writeSample("short.wav", {.rate = 22050, .frames = 441}));
  library.setLoopMode(sample, true);
  const int looping = library.playSound(sample);
  library.setLoopMode(sample, false);
  const int once = library.playSound(sample);
  EXPECT_TRUE(waitUntilStopped(library, once));
  EXPECT_TRUE(library.isPlaying(looping));
  library.stopSound(looping);
  EXPECT_FALSE(library.isPlaying(looping));
}

TEST_F(OpenAlPlaybackTest, EveryUsualSampleFormatLoadsAndPlaysAtItsRate) {
  struct Case {
    const char* name;
    int format;
    int channels;
    int rate;
  };
  const std::vector<Case> cases = {
      {"u8-mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 11025},
      {"u8-stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 2, 22050},
      {"s16-mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 44100},
      {"s16-stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 48000},
      {"mono.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 22050},
      {"stereo.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2, 44100},
  };
  OpenAlSoundLibrary library(waveOptions());
  ASSERT_TRUE(library.init(kMixRate, 32));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = writeSample(
        c.name, {.format = c.format, .channels = c.channels, .rate = c.rate, .frames = 4410});
    const int sample = library.loadSample(file);
    ASSERT_NE(sample, 0);
    EXPECT_EQ(library.getFrequency(library.playSound(sample)), c.rate);
  }
}

}  // namespace
}  // namespace vev
