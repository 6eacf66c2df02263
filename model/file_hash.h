#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/byte_codec.h"

namespace vev {

// Bounds of a list of files in the binary formats, which no real game reaches, so that a
// corrupted count cannot ask for unbounded memory.
inline constexpr std::uint64_t kMostFileHashes = 10000;
inline constexpr std::uint64_t kMostFileNameBytes = 4096;

// A file a game was started from: its name (relative to the data folder when it lies there)
// and a 64-bit hash of its bytes (0 when it cannot be read).
struct FileHash {
  std::string name;
  std::uint64_t hash = 0;
  bool operator==(const FileHash&) const = default;
};

// A list of files as replays and network messages carry it: the count, then each name and hash.
void putFileHashes(std::string& out, const std::vector<FileHash>& files);
// The list read back; the reader fails on more files or a longer name than the bounds above.
std::vector<FileHash> readFileHashes(ByteReader& in);

// What differs between the files a game was started with and those loaded here, in the player's
// words ("sw/cruiser.ssp.zsf differs", "sw/x.zsf is missing", "extra.zsf was not in the
// game"); empty when they are the same.
std::string sceneDifference(const std::vector<FileHash>& recorded,
                            const std::vector<FileHash>& loaded);

}  // namespace vev
