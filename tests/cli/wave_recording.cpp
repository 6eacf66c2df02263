#include "tests/cli/wave_recording.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vev::test {
namespace {

constexpr int kSampleRate = 22050;

// Goertzel's filter: the energy of one frequency over a block of samples.
double energyAt(const double* samples, std::size_t count, double hertz, int rate) {
  const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hertz / rate);
  double previous = 0.0;
  double beforePrevious = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double current = samples[i] + coefficient * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
  }
  return previous * previous + beforePrevious * beforePrevious -
         coefficient * previous * beforePrevious;
}

}  // namespace

bool writeSineSample(const std::filesystem::path& path, double hertz, double seconds) {
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return false;
  std::vector<double> data(static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < data.size(); ++i) {
    data[i] = 0.5 * std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / kSampleRate);
  }
  const auto frames = static_cast<sf_count_t>(data.size());
  const bool written = sf_writef_double(file, data.data(), frames) == frames;
  return sf_close(file) == 0 && written;
}

double Recording::seconds() const {
  return rate > 0 ? static_cast<double>(samples.size()) / rate : 0.0;
}

double Recording::rms(double from, double to) const {
  const auto index = [this](double time) {
    return std::clamp<std::size_t>(static_cast<std::size_t>(std::max(0.0, time) * rate), 0,
                                   samples.size());
  };
  const std::size_t begin = index(from);
  const std::size_t end = index(to);
  if (end <= begin) return 0.0;
  double sum = 0.0;
  for (std::size_t i = begin; i < end; ++i) sum += samples[i] * samples[i];
  return std::sqrt(sum / static_cast<double>(end - begin));
}

double Recording::dominantHertz(double from, double to, double low, double high) const {
  const auto begin = static_cast<std::size_t>(std::max(0.0, from) * rate);
  const std::size_t end = std::min(samples.size(), static_cast<std::size_t>(to * rate));
  if (end <= begin) return 0.0;
  double best = low;
  double bestEnergy = -1.0;
  for (double hertz = low; hertz <= high; hertz += 1.0) {
    const double energy = energyAt(samples.data() + begin, end - begin, hertz, rate);
    if (energy > bestEnergy) {
      best = hertz;
      bestEnergy = energy;
    }
  }
  return best;
}

std::optional<Recording> readRecording(const std::filesystem::path& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return std::nullopt;
  Recording recording;
  recording.rate = info.samplerate;
  std::vector<double> frame(static_cast<std::size_t>(info.channels));
  while (sf_readf_double(file, frame.data(), 1) == 1) {
    double sum = 0.0;
    for (const double value : frame) sum += value;
    recording.samples.push_back(sum / info.channels);
  }
  sf_close(file);
  return recording;
}

}  // namespace vev::test
