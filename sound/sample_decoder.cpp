#include "sound/sample_decoder.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "model/regular_file.h"

namespace vev {
namespace {

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfilePtr = std::unique_ptr<SNDFILE, SndfileCloser>;

// Closes the descriptor that libsndfile reads from once it is done with it.
struct Descriptor {
  explicit Descriptor(int opened) : fd(opened) {}
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int fd;
};

constexpr sf_count_t kReadBlockFrames = 4096;

// libsndfile gives every format as floats in -1 to 1; 16-bit data comes back exactly.
std::int16_t toSample16(float value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<std::int16_t>(std::lrint(std::clamp(value * 32768.0f, -32768.0f, 32767.0f)));
}

bool acceptable(const SF_INFO& info) {
  return (info.channels == 1 || info.channels == 2) && info.samplerate >= 1 &&
         info.samplerate <= kMaxSampleRate;
}

// Reads block by block rather than trusting the header's frame count, so a file that claims
// or holds more than the limit never gets more than one block past it.
bool readFrames(SNDFILE* file, int channels, std::vector<std::int16_t>& data) {
  std::vector<float> block(static_cast<std::size_t>(kReadBlockFrames * channels));
  std::int64_t frames = 0;
  for (;;) {
    const sf_count_t read = sf_readf_float(file, block.data(), kReadBlockFrames);
    if (read <= 0) break;
    frames += read;
    if (frames > kMaxSampleFrames) return false;
    const auto end = block.begin() + static_cast<std::ptrdiff_t>(read * channels);
    std::transform(block.begin(), end, std::back_inserter(data), toSample16);
  }
  return frames > 0;
}

}  // namespace

std::optional<DecodedSample> decodeSample(const std::string& path) {
  const Descriptor source(openRegularFile(path));
  if (source.fd < 0) return std::nullopt;
  SF_INFO info{};
  SndfilePtr file(sf_open_fd(source.fd, SFM_READ, &info, SF_FALSE));
  if (!file || !acceptable(info)) return std::nullopt;
  DecodedSample sample;
  sample.channels = info.channels;
  sample.rate = info.samplerate;
  if (!readFrames(file.get(), info.channels, sample.data)) return std::nullopt;
  return sample;
}

}  // namespace vev
