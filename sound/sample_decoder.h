#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vev {

// The longest sample decoded: 2^22 frames, about 95 s at 44.1 kHz and 16 MiB in stereo, so that
// no file can make a load exhaust memory. Engine loops and shots are a few seconds long.
inline constexpr std::int64_t kMaxSampleFrames = std::int64_t{1} << 22;
// The highest sample rate accepted, in frames per second.
inline constexpr int kMaxSampleRate = 384000;

// A sample file decoded to signed 16-bit frames.
struct DecodedSample {
  std::vector<std::int16_t> data;  // interleaved, `channels` values per frame
  int channels = 0;                // 1 (mono) or 2 (stereo)
  int rate = 0;                    // frames per second
};

// Decodes any file libsndfile reads (WAV, FLAC, Ogg Vorbis ...; 8, 16, 24 bit or float) to
// 16 bit. Nothing when the file cannot be read, has no frames, has more than two channels, a
// rate outside 1 to kMaxSampleRate, or more than kMaxSampleFrames frames.
std::optional<DecodedSample> decodeSample(const std::string& path);

}  // namespace vev
