#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vev {

// A file a game was started from: its name (relative to the data folder when it lies there)
// and a 64-bit hash of its bytes (0 when it cannot be read).
struct FileHash {
  std::string name;
  std::uint64_t hash = 0;
  bool operator==(const FileHash&) const = default;
};

// What differs between the files a game was started with and those loaded here, in the player's
// words ("sw/cruiser.ssp.zsf differs", "sw/x.zsf is missing", "extra.zsf was not in the
// game"); empty when they are the same.
std::string sceneDifference(const std::vector<FileHash>& recorded,
                            const std::vector<FileHash>& loaded);

}  // namespace vev
