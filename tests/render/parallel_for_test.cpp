#include "render/parallel_for.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace vev::test {
namespace {

TEST(ParallelFor, CallsEachIndexOnceAndPassesOnTheFirstFailure) {
  std::vector<int> calls(1000, 0);
  parallelFor(calls.size(), [&](std::size_t i) { ++calls[i]; });
  EXPECT_EQ(calls, std::vector<int>(1000, 1));

  parallelFor(0, [](std::size_t) { FAIL() << "no index to call"; });
  EXPECT_THROW(parallelFor(100,
                           [](std::size_t i) {
                             if (i == 37) throw std::runtime_error("broken face");
                           }),
               std::runtime_error);
}

}  // namespace
}  // namespace vev::test
