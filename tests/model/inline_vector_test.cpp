#include "model/inline_vector.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vev {
namespace {

std::vector<int> items(const InlineVector<int, 2>& v) {
  return {v.begin(), v.end()};
}

// Past its inline room the vector moves to the heap; copies and moves keep every item either
// way, and a moved-from vector is empty and usable.
TEST(InlineVector, KeepsItemsInlineAndOnTheHeap) {
  InlineVector<int, 2> small{1, 2};
  InlineVector<int, 2> large = small;
  large.push_back(large.front());  // grows while the item lies in the old storage
  large.push_back(large[1]);
  large.emplace_back() = 5;
  EXPECT_EQ(items(small), (std::vector<int>{1, 2}));
  EXPECT_EQ(items(large), (std::vector<int>{1, 2, 1, 2, 5}));

  InlineVector<int, 2> movedSmall = std::move(small);
  InlineVector<int, 2> movedLarge = std::move(large);
  EXPECT_EQ(items(movedSmall), (std::vector<int>{1, 2}));
  EXPECT_EQ(items(movedLarge), (std::vector<int>{1, 2, 1, 2, 5}));
  EXPECT_TRUE(small.empty());
  EXPECT_TRUE(large.empty());
  large = {7, 8, 9};
  movedSmall = movedLarge;
  movedLarge.pop_back();
  EXPECT_EQ(items(large), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(items(movedSmall), (std::vector<int>{1, 2, 1, 2, 5}));
  EXPECT_EQ(items(movedLarge), (std::vector<int>{1, 2, 1, 2}));
}

}  // namespace
}  // namespace vev
