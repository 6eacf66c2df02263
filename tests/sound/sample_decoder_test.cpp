#include "sound/sample_decoder.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/sound/sample_files.h"

namespace vev {
namespace {

class SampleDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory =
        std::filesystem::path(::testing::TempDir()) /
        ("vev_decoder_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(directory);
  }
  void TearDown() override { std::filesystem::remove_all(directory); }

  std::string writeSample(const std::string& name, const Tone& tone) {
    const std::string file = (directory / name).string();
    EXPECT_TRUE(writeTone(file, tone));
    return file;
  }

  std::filesystem::path directory;
};

TEST_F(SampleDecoderTest, KeepsChannelsRateAndFramesOfEveryUsualFormat) {
  const std::vector<Tone> tones = {
      {.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8, .channels = 1, .rate = 11025, .frames = 1000},
      {.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16, .channels = 2, .rate = 48000, .frames = 1000},
      {.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16, .channels = 2, .rate = 22050, .frames = 1000},
      {.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS, .channels = 1, .rate = 44100, .frames = 9000},
  };
  for (std::size_t i = 0; i < tones.size(); ++i) {
    SCOPED_TRACE(i);
    const std::optional<DecodedSample> sample =
        decodeSample(writeSample(std::to_string(i), tones[i]));
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->channels, tones[i].channels);
    EXPECT_EQ(sample->rate, tones[i].rate);
    EXPECT_EQ(sample->data.size(), static_cast<std::size_t>(tones[i].frames * tones[i].channels));
  }
}

TEST_F(SampleDecoderTest, SixteenBitDataIsKeptExactly) {
  const std::string file = (directory / "exact.wav").string();
  const std::vector<short> values = {-32768, -1, 0, 1, 12345, 32767};
  SF_INFO info{.frames = 0,
               .samplerate = 8000,
               .channels = 1,
               .format = SF_FORMAT_WAV | SF_FORMAT_PCM_16,
               .sections = 0,
               .seekable = 0};
  SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
  ASSERT_NE(out, nullptr);
  sf_writef_short(out, values.data(), static_cast<sf_count_t>(values.size()));
  sf_close(out);
  const std::optional<DecodedSample> sample = decodeSample(file);
  ASSERT_TRUE(sample);
  EXPECT_EQ(sample->data, std::vector<std::int16_t>(values.begin(), values.end()));
}

TEST_F(SampleDecoderTest, EightBitDataComesOutAtSixteenBitScale) {
  const std::optional<DecodedSample> sample = decodeSample(writeSample(
      "u8.wav", {.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8, .frames = 2205, .amplitude = 1.0}));
  ASSERT_TRUE(sample);
  const auto [low, high] = std::minmax_element(sample->data.begin(), sample->data.end());
  EXPECT_LT(*low, -32000);
  EXPECT_GT(*high, 32000);
}

TEST_F(SampleDecoderTest, RefusesWhatIsNotAMonoOrStereoSample) {
  EXPECT_FALSE(decodeSample((directory / "missing.wav").string()));
  std::ofstream((directory / "text.wav").string()) << "not a sound\n";
  EXPECT_FALSE(decodeSample((directory / "text.wav").string()));
  EXPECT_FALSE(decodeSample(writeSample("three.wav", {.channels = 3})));
  EXPECT_FALSE(decodeSample(writeSample("empty.wav", {.frames = 0})));
}

TEST_F(SampleDecoderTest, RefusesASampleLongerThanTheLimit) {
  const Tone atLimit{.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8, .frames = kMaxSampleFrames};
  EXPECT_TRUE(decodeSample(writeSample("limit.wav", atLimit)));
  Tone beyond = atLimit;
  beyond.frames += 1;
  EXPECT_FALSE(decodeSample(writeSample("beyond.wav", beyond)));
}

}  // namespace
}  // namespace vev
