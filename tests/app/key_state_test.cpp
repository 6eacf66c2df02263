#include "app/key_state.h"

#include <gtest/gtest.h>

namespace vev {
namespace {

constexpr KeyCode kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

TEST(KeyState, KeypadArrowsSetTheirOwnEntryAndTheArrow) {
  const struct {
    KeyCode keypad;
    KeyCode arrow;
  } pairs[] = {{100, kLeft}, {104, kUp}, {102, kRight}, {98, kDown}};
  for (const auto& [keypad, arrow] : pairs) {
    KeyStates keys{};
    keyDown(keys, keypad);
    EXPECT_EQ(keys[keypad], 1);
    EXPECT_EQ(keys[arrow], 1);
    keyUp(keys, keypad);
    EXPECT_EQ(keys[keypad], 0);
    EXPECT_EQ(keys[arrow], 0);
  }
}

TEST(KeyState, ReleasingKeypadSixClearsRightEvenWhileTheArrowIsHeld) {
  KeyStates keys{};
  keyDown(keys, kRight);
  keyDown(keys, 102);
  keyUp(keys, 102);
  EXPECT_EQ(keys[kRight], 0);
}

TEST(KeyState, OtherKeysTouchOnlyTheirOwnEntry) {
  KeyStates keys{};
  keyDown(keys, 101);  // keypad 5
  keyDown(keys, kLeft);
  int held = 0;
  for (const std::int16_t key : keys) held += key;
  EXPECT_EQ(held, 2);
  EXPECT_EQ(keys[101], 1);
  EXPECT_EQ(keys[kLeft], 1);
}

TEST(KeyState, CodesOutsideTheTableAreIgnored) {
  KeyStates keys{};
  keyDown(keys, -5);
  keyDown(keys, 400);
  keyDown(keys, 0);
  for (const std::int16_t key : keys) EXPECT_EQ(key, 0);
}

TEST(KeyState, ReleaseAllClearsEveryEntry) {
  KeyStates keys{};
  keyDown(keys, 17);
  keyDown(keys, 104);
  keyDown(keys, 399);
  releaseAllKeys(keys);
  for (const std::int16_t key : keys) EXPECT_EQ(key, 0);
}

}  // namespace
}  // namespace vev
