#pragma once

#include <cstdint>
#include <vector>

namespace vev::assets {

// Every sample of the demonstration is mono, 16-bit, at this rate.
inline constexpr int kSampleRate = 22050;

// The bytes of a RIFF WAVE file of 16-bit mono PCM at `kSampleRate`; each sample in [-1, 1] is
// clamped and rounded to the nearest 16-bit step. Throws std::runtime_error when libsndfile
// cannot encode them.
std::vector<std::uint8_t> encodeWav(const std::vector<double>& samples);

}  // namespace vev::assets
