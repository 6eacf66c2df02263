#include "app/web/web_keys.h"

#include <gtest/gtest.h>

namespace vev {
namespace {

// The page's keys reach the scene files with the codes the desktop program gives them.
TEST(WebKeys, GiveTheDesktopsVirtualKeyCodes) {
  EXPECT_EQ(virtualKeyOfCode("KeyA"), 'A');
  EXPECT_EQ(virtualKeyOfCode("KeyZ"), 'Z');
  EXPECT_EQ(virtualKeyOfCode("Digit0"), '0');
  EXPECT_EQ(virtualKeyOfCode("ArrowLeft"), 37);
  EXPECT_EQ(virtualKeyOfCode("ArrowDown"), 40);
  EXPECT_EQ(virtualKeyOfCode("Space"), 32);
  EXPECT_EQ(virtualKeyOfCode("ShiftRight"), 16);
  EXPECT_EQ(virtualKeyOfCode("Delete"), 46);
  EXPECT_EQ(virtualKeyOfCode("PageDown"), 34);
  EXPECT_EQ(virtualKeyOfCode("Numpad4"), 100);
  EXPECT_EQ(virtualKeyOfCode("NumpadDecimal"), 110);
  EXPECT_EQ(virtualKeyOfCode("NumpadEnter"), 13);
  EXPECT_EQ(virtualKeyOfCode("F1"), 112);
  EXPECT_EQ(virtualKeyOfCode("F24"), 135);
  EXPECT_EQ(virtualKeyOfCode("Pause"), 19);
  for (const char* unknown : {"", "Key", "KeyAA", "Keya", "Digit10", "F0", "F25", "F", "Fn",
                              "Numpad", "IntlBackslash"}) {
    EXPECT_EQ(virtualKeyOfCode(unknown), 0) << unknown;
  }
}

}  // namespace
}  // namespace vev
