#include "sound/wav_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vev {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

struct Format {
  std::uint16_t encoding = 0;
  int channels = 0;
  int rate = 0;
  int bits = 0;
};

// The format chunk's fields; an extensible one names its encoding in its sub-format's first two
// bytes.
std::optional<Format> readFormat(std::string_view chunk) {
  if (chunk.size() < 16) return std::nullopt;
  Format format;
  format.encoding = static_cast<std::uint16_t>(littleEndian(chunk, 0, 2));
  format.channels = static_cast<int>(littleEndian(chunk, 2, 2));
  format.rate = static_cast<int>(std::min<std::uint32_t>(littleEndian(chunk, 4, 4), INT32_MAX));
  format.bits = static_cast<int>(littleEndian(chunk, 14, 2));
  if (format.encoding == kExtensible) {
    if (chunk.size() < 26) return std::nullopt;
    format.encoding = static_cast<std::uint16_t>(littleEndian(chunk, 24, 2));
  }
  return format;
}

bool supported(const Format& format) {
  const bool pcm =
      format.encoding == kPcm && (format.bits == 8 || format.bits == 16 || format.bits == 24);
  const bool real = format.encoding == kFloat && format.bits == 32;
  return (pcm || real) && (format.channels == 1 || format.channels == 2) && format.rate >= 1 &&
         format.rate <= kMaxSampleRate;
}

// One value at `at` as libsndfile scales it to 16 bits: 8-bit data is unsigned, 24-bit data is
// rounded to the nearest (ties to even), floats are clamped.
std::int16_t sampleAt(std::string_view data, std::size_t at, const Format& format) {
  switch (format.bits) {
    case 8:
      return static_cast<std::int16_t>((static_cast<int>(littleEndian(data, at, 1)) - 128) * 256);
    case 16:
      return static_cast<std::int16_t>(littleEndian(data, at, 2));
    case 24: {
      const auto value = static_cast<std::int32_t>(littleEndian(data, at, 3) << 8) / 256;
      return static_cast<std::int16_t>(
          std::clamp<long>(std::lrint(static_cast<double>(value) / 256.0), -32768, 32767));
    }
    default: {
      const std::uint32_t bits = littleEndian(data, at, 4);
      float value = 0.0f;
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value)) return 0;
      return static_cast<std::int16_t>(
          std::lrint(std::clamp(value * 32768.0f, -32768.0f, 32767.0f)));
    }
  }
}

std::optional<DecodedSample> decodeData(std::string_view data, const Format& format) {
  const std::size_t frameBytes = static_cast<std::size_t>(format.channels * format.bits / 8);
  const std::size_t frames = data.size() / frameBytes;
  if (frames == 0 || frames > static_cast<std::size_t>(kMaxSampleFrames)) return std::nullopt;
  DecodedSample sample;
  sample.channels = format.channels;
  sample.rate = format.rate;
  const std::size_t values = frames * static_cast<std::size_t>(format.channels);
  const std::size_t valueBytes = static_cast<std::size_t>(format.bits / 8);
  sample.data.reserve(values);
  for (std::size_t i = 0; i < values; ++i) {
    sample.data.push_back(sampleAt(data, i * valueBytes, format));
  }
  return sample;
}

}  // namespace

std::optional<DecodedSample> decodeWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  std::optional<Format> format;
  // Chunks are padded to an even length; a chunk whose size runs past the end ends the file.
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = littleEndian(bytes, at + 4, 4);
    const std::string_view body = bytes.substr(at + 8, size);
    if (id == "fmt ") {
      format = readFormat(body);
      if (!format || !supported(*format)) return std::nullopt;
    } else if (id == "data") {
      return format ? decodeData(body, *format) : std::nullopt;
    }
    if (size > bytes.size() - at - 8) break;
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace vev
