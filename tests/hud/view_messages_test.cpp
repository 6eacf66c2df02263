#include "hud/view_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vev::test {
namespace {

// A long message goes on over the next lines, broken between words (a word longer than a line
// is cut), and the newest lines keep the six rows when there are more.
TEST(ViewMessages, LongMessagesWrapAndTheNewestLinesStay) {
  const std::string news =
      "Added an Identity with no name from garbage3.zsf: 21 findings; run vev-scene check "
      "garbage3.zsf";
  const std::string word(100, 'W');
  EXPECT_EQ(viewMessageLines({news, word}),
            (std::vector<std::string>{
                "Added an Identity with no name from garbage3.zsf: 21 findings; run vev-scene",
                "check garbage3.zsf", std::string(78, 'W'), std::string(22, 'W')}));

  const std::vector<std::string> many{"1", "2", "3", "4", "5", news};
  EXPECT_EQ(viewMessageLines(many),
            (std::vector<std::string>{"2", "3", "4", "5",
                                      "Added an Identity with no name from garbage3.zsf: 21 "
                                      "findings; run vev-scene",
                                      "check garbage3.zsf"}));
}

}  // namespace
}  // namespace vev::test
