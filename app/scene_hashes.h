#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/model_state.h"

namespace vev {

// A scene file as a game was started from it: its name (relative to the data folder when it
// lies there) and a 64-bit hash of its bytes (0 when it cannot be read).
struct FileHash {
  std::string name;
  std::uint64_t hash = 0;
  bool operator==(const FileHash&) const = default;
};

// Every scene file the model's Identities were loaded from, each once, in list order.
std::vector<FileHash> sceneFileHashes(const ModelState& model, const std::string& dataDir);

// What differs between the files a game was recorded with and those loaded now, in the player's
// words ("sw/cruiser.ssp.zsf differs", "sw/x.zsf is missing", "extra.zsf was not in the
// game"); empty when they are the same.
std::string sceneDifference(const std::vector<FileHash>& recorded,
                            const std::vector<FileHash>& loaded);

}  // namespace vev
