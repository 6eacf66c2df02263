#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/file_hash.h"

namespace vev {
namespace {

// Replays and network messages share this list; what one writes the other reads, and a count
// beyond the bound fails the reader before anything is allocated for it.
TEST(FileHashList, ReadsBackWhatWasWrittenAndRefusesAnOverlongCount) {
  const std::vector<FileHash> files = {{"sw/m-bird.ssp.zsf", 1}, {"sw/laser.wav", ~0ULL}};
  std::string bytes;
  putFileHashes(bytes, files);
  ByteReader in(bytes);
  EXPECT_EQ(readFileHashes(in), files);
  EXPECT_TRUE(in.ok() && in.atEnd());

  std::string tooMany;
  putNumber(tooMany, kMostFileHashes + 1);
  ByteReader refused(tooMany);
  EXPECT_TRUE(readFileHashes(refused).empty());
  EXPECT_FALSE(refused.ok());
}

}  // namespace
}  // namespace vev
