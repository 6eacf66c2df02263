#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace vev::test {

// Writes `seconds` of a sine tone at `hertz` as a 16-bit mono WAV sample at 22050 Hz; a whole
// number of periods per second keeps a loop of it free of clicks.
bool writeSineSample(const std::filesystem::path& path, double hertz, double seconds);

// A sound file read back with libsndfile and mixed down to one channel.
struct Recording {
  int rate = 0;
  std::vector<double> samples;

  double seconds() const;
  // The RMS level over [from, to) seconds, cut to the recording; 0 for an empty span.
  double rms(double from, double to) const;
  // The frequency between `low` and `high` Hz (1 Hz steps) that holds the most energy over
  // [from, to) seconds.
  double dominantHertz(double from, double to, double low, double high) const;
};

std::optional<Recording> readRecording(const std::filesystem::path& path);

}  // namespace vev::test
