#pragma once

#include <cstdint>

#include "model/keys.h"

namespace vev {

// Whether `code` names a key and that key is held. Code 0 means "no key" and is never held, so a
// channel or toggle without a key stays idle whatever entry 0 holds.
inline bool isHeld(const KeyStates& keys, KeyCode code) {
  return code > 0 && code < kKeyCount && keys[static_cast<std::size_t>(code)] != 0;
}

// Writes one key entry; a code that names no key writes nothing.
inline void setKey(KeyStates& keys, KeyCode code, std::int16_t value) {
  if (code > 0 && code < kKeyCount) keys[static_cast<std::size_t>(code)] = value;
}

}  // namespace vev
