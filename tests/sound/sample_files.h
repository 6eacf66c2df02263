#pragma once

#include <sndfile.h>

#include <optional>
#include <string>

namespace vev {

// A sine tone to be written as a sample file.
struct Tone {
  int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;  // libsndfile major and sub format
  int channels = 1;
  int rate = 22050;
  sf_count_t frames = 11025;
  double amplitude = 0.5;  // of full scale
  double hertz = 440.0;
};

// Writes the tone with libsndfile; false when libsndfile refuses the format or the file.
bool writeTone(const std::string& path, const Tone& tone);

// What a WAV file written by the output holds.
struct WaveLevels {
  sf_count_t frames = 0;
  double rms = 0.0;            // over every value of every frame
  sf_count_t audibleSpan = 0;  // frames from the first to the last value above the threshold
};

// Reads a sound file back with libsndfile; nothing when it cannot be read.
std::optional<WaveLevels> measureWave(const std::string& path, double threshold = 0.01);

}  // namespace vev
