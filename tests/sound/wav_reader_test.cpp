#include "sound/wav_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/sample_decoder.h"
#include "tests/sound/sample_files.h"

namespace vev {
namespace {

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void expectSameAsLibsndfile(const std::string& path) {
  SCOPED_TRACE(path);
  const std::optional<DecodedSample> expected = decodeSample(path);
  const std::optional<DecodedSample> decoded = decodeWav(bytesOf(path));
  ASSERT_TRUE(expected && decoded);
  EXPECT_EQ(decoded->channels, expected->channels);
  EXPECT_EQ(decoded->rate, expected->rate);
  EXPECT_EQ(decoded->data, expected->data);
}

// The browser hears what the desktop hears: the demonstration's samples and every WAV encoding
// the reader takes give libsndfile's values exactly.
TEST(WavReader, GivesLibsndfilesValues) {
  for (const auto& entry : std::filesystem::directory_iterator(VEV_SOURCE_DIR "/sw")) {
    if (entry.path().extension() == ".wav") expectSameAsLibsndfile(entry.path().string());
  }
  const std::filesystem::path directory =
      std::filesystem::path(::testing::TempDir()) / "vev_wav_reader";
  std::filesystem::create_directories(directory);
  const std::vector<Tone> tones = {
      {.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8, .channels = 2, .rate = 11025, .frames = 999},
      {.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24, .channels = 1, .rate = 48000, .frames = 1000},
      {.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT, .channels = 2, .rate = 8000, .frames = 1000,
       .amplitude = 1.5},
      {.format = SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, .channels = 2, .rate = 44100, .frames = 7},
  };
  for (std::size_t i = 0; i < tones.size(); ++i) {
    const std::string path = (directory / (std::to_string(i) + ".wav")).string();
    ASSERT_TRUE(writeTone(path, tones[i]));
    expectSameAsLibsndfile(path);
  }
  std::filesystem::remove_all(directory);
}

TEST(WavReader, RefusesWhatIsNoSample) {
  const std::string wav = bytesOf(VEV_SOURCE_DIR "/sw/hit.wav");
  EXPECT_FALSE(decodeWav(""));
  EXPECT_FALSE(decodeWav(wav.substr(0, 30)));  // cut inside the format chunk
  EXPECT_FALSE(decodeWav("RIFF\x04\0\0\0WAVE"));
  std::string threeChannels = wav;
  threeChannels[22] = 3;
  EXPECT_FALSE(decodeWav(threeChannels));
  std::string noRate = wav;
  noRate.replace(24, 4, std::string(4, '\0'));
  EXPECT_FALSE(decodeWav(noRate));
  // A data chunk cut short keeps its whole frames.
  const std::optional<DecodedSample> cut = decodeWav(wav.substr(0, 44 + 101));
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->data.size(), 50u);
}

}  // namespace
}  // namespace vev
