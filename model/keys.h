#pragma once

#include <array>
#include <cstdint>

namespace vev {

// Windows virtual-key codes; 0 means no key.
using KeyCode = std::int16_t;

// Size of every key-state table: an Identity's `keys` and the global `keyState`.
inline constexpr int kKeyCount = 400;

using KeyStates = std::array<std::int16_t, kKeyCount>;

// A code that cannot index a key table (negative, or 400 and above) is no key.
inline KeyCode validKey(long code) {
  return (code > 0 && code < kKeyCount) ? static_cast<KeyCode>(code) : KeyCode{0};
}

}  // namespace vev
