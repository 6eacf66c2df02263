#pragma once

#include <cstdint>
#include <string>

namespace vev {

// Links an Identity, a node or a node's body to an entry of the sound registry. Shots share the
// SoundRef of the cannon that fired them, so it is held by std::shared_ptr.
struct SoundRef {
  std::int32_t entry = 0;         // number of its sound registry entry
  std::string path;               // scene directory followed by the file name
  float range = 0.0f;             // audible range (metres)
  std::int32_t playRequests = 0;  // pending one-shot plays; one is served per frame
};

}  // namespace vev
