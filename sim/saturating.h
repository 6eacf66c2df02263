#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vev {

// Damage counters are 16-bit; they stop at the ends of that range instead of wrapping, so a
// heavily hit craft can never look undamaged.
inline std::int16_t addSaturated(std::int16_t counter, std::int32_t amount) {
  constexpr std::int32_t low = std::numeric_limits<std::int16_t>::min();
  constexpr std::int32_t high = std::numeric_limits<std::int16_t>::max();
  const std::int32_t sum = static_cast<std::int32_t>(counter) + amount;
  return static_cast<std::int16_t>(sum < low ? low : (sum > high ? high : sum));
}

// A float truncated toward zero into 16 bits; values beyond the range stop at its ends, NaN is 0.
inline std::int16_t truncateToInt16(float value) {
  if (std::isnan(value)) return 0;
  constexpr float low = std::numeric_limits<std::int16_t>::min();
  constexpr float high = std::numeric_limits<std::int16_t>::max();
  if (value <= low) return std::numeric_limits<std::int16_t>::min();
  if (value >= high) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(value);
}

}  // namespace vev
