#include "tools/wav_writer.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace vev::assets {
namespace {

std::int16_t toPcm(double sample) {
  const double clamped = sample < -1.0 ? -1.0 : (sample > 1.0 ? 1.0 : sample);
  return static_cast<std::int16_t>(std::floor(clamped * 32767.0 + 0.5));
}

// A file in memory for libsndfile's virtual I/O, which goes back to fill in the header's sizes
// when the file is closed.
struct MemoryFile {
  std::vector<std::uint8_t> bytes;
  sf_count_t at = 0;

  static MemoryFile& of(void* user) { return *static_cast<MemoryFile*>(user); }

  static sf_count_t length(void* user) { return static_cast<sf_count_t>(of(user).bytes.size()); }

  static sf_count_t seek(sf_count_t offset, int whence, void* user) {
    MemoryFile& file = of(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? file.at : length(user);
    file.at = std::max<sf_count_t>(0, base + offset);
    return file.at;
  }

  static sf_count_t read(void* out, sf_count_t count, void* user) {
    MemoryFile& file = of(user);
    const sf_count_t available = std::max<sf_count_t>(0, length(user) - file.at);
    const sf_count_t taken = std::min(count, available);
    std::memcpy(out, file.bytes.data() + file.at, static_cast<std::size_t>(taken));
    file.at += taken;
    return taken;
  }

  static sf_count_t write(const void* in, sf_count_t count, void* user) {
    MemoryFile& file = of(user);
    const auto end = static_cast<std::size_t>(file.at + count);
    if (end > file.bytes.size()) file.bytes.resize(end);
    std::memcpy(file.bytes.data() + file.at, in, static_cast<std::size_t>(count));
    file.at += count;
    return count;
  }

  static sf_count_t tell(void* user) { return of(user).at; }
};

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<double>& samples) {
  std::vector<std::int16_t> pcm(samples.size());
  std::transform(samples.begin(), samples.end(), pcm.begin(), toPcm);
  SF_VIRTUAL_IO io{MemoryFile::length, MemoryFile::seek, MemoryFile::read, MemoryFile::write,
                   MemoryFile::tell};
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  MemoryFile memory;
  SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
  if (!file) throw std::runtime_error(std::string("cannot encode WAV: ") + sf_strerror(nullptr));
  const sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
  const std::string error = sf_strerror(file);
  if (sf_close(file) != 0 || written != static_cast<sf_count_t>(pcm.size())) {
    throw std::runtime_error("cannot encode WAV: " + error);
  }
  return std::move(memory.bytes);
}

}  // namespace vev::assets
