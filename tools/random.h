#pragma once

#include <cstdint>

namespace vev::assets {

// A small permuted congruential generator: the same seed gives the same stream everywhere, which
// the standard library's distributions do not promise.
class Random {
 public:
  explicit Random(std::uint64_t seed)
      : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}

  std::uint32_t next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
  }

  // Uniform in [0, 1).
  double unit() { return static_cast<double>(next()) / 4294967296.0; }

  // Uniform in [-1, 1).
  double signedUnit() { return unit() * 2.0 - 1.0; }

  // Uniform in [0, count).
  int below(int count) { return static_cast<int>(unit() * count); }

 private:
  std::uint64_t state_;
};

}  // namespace vev::assets
