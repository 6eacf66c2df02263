#include "tools/wav_writer.h"

#include <cmath>

#include "tools/little_endian.h"

namespace vev::assets {
namespace {

constexpr std::uint32_t kFormatChunkBytes = 16;
constexpr std::uint32_t kBytesPerSample = 2;
constexpr std::uint16_t kPcm = 1;

std::int16_t toPcm(double sample) {
  const double clamped = sample < -1.0 ? -1.0 : (sample > 1.0 ? 1.0 : sample);
  return static_cast<std::int16_t>(std::floor(clamped * 32767.0 + 0.5));
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<double>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * kBytesPerSample;
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  putTag(out, "RIFF");
  putU32(out, 4 + (8 + kFormatChunkBytes) + (8 + dataBytes));
  putTag(out, "WAVE");

  putTag(out, "fmt ");
  putU32(out, kFormatChunkBytes);
  putU16(out, kPcm);
  putU16(out, 1);  // mono
  putU32(out, kSampleRate);
  putU32(out, kSampleRate * kBytesPerSample);  // bytes per second
  putU16(out, kBytesPerSample);                // block align
  putU16(out, 16);                             // bits per sample

  putTag(out, "data");
  putU32(out, dataBytes);
  for (const double sample : samples) {
    putU16(out, static_cast<std::uint16_t>(toPcm(sample)));
  }
  return out;
}

}  // namespace vev::assets
