#include "tests/sound/sample_files.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace vev {

bool writeTone(const std::string& path, const Tone& tone) {
  SF_INFO info{};
  info.samplerate = tone.rate;
  info.channels = tone.channels;
  info.format = tone.format;
  if (!sf_format_check(&info)) return false;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return false;
  std::vector<double> data(static_cast<std::size_t>(tone.frames * tone.channels));
  for (sf_count_t frame = 0; frame < tone.frames; ++frame) {
    const double phase =
        2.0 * std::numbers::pi * tone.hertz * static_cast<double>(frame) / tone.rate;
    for (int channel = 0; channel < tone.channels; ++channel) {
      data[static_cast<std::size_t>(frame * tone.channels + channel)] =
          tone.amplitude * std::sin(phase);
    }
  }
  const bool written = sf_writef_double(file, data.data(), tone.frames) == tone.frames;
  return sf_close(file) == 0 && written;
}

std::optional<WaveLevels> measureWave(const std::string& path, double threshold) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return std::nullopt;
  std::vector<double> frame(static_cast<std::size_t>(info.channels));
  WaveLevels levels;
  double sumOfSquares = 0.0;
  sf_count_t firstAudible = -1;
  sf_count_t lastAudible = -1;
  while (sf_readf_double(file, frame.data(), 1) == 1) {
    for (const double value : frame) {
      sumOfSquares += value * value;
      if (std::abs(value) <= threshold) continue;
      if (firstAudible < 0) firstAudible = levels.frames;
      lastAudible = levels.frames;
    }
    ++levels.frames;
  }
  sf_close(file);
  const double values = static_cast<double>(levels.frames) * info.channels;
  levels.rms = values > 0 ? std::sqrt(sumOfSquares / values) : 0.0;
  levels.audibleSpan = firstAudible < 0 ? 0 : lastAudible - firstAudible + 1;
  return levels;
}

}  // namespace vev
