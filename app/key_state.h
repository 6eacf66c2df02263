#pragma once

#include "model/keys.h"

namespace vev {

// The view's key-down and key-up: the entry of the key's code is set to 1 or 0. The keypad's 4,
// 8, 6 and 2 also set and clear the arrow they stand for, so the keypad steers like the arrows
// while keeping its own entry for the free camera. A code outside the table changes nothing.
void keyDown(KeyStates& keyState, KeyCode code);
void keyUp(KeyStates& keyState, KeyCode code);

// Every key up, as when the window loses the keyboard and would never see the releases.
void releaseAllKeys(KeyStates& keyState);

}  // namespace vev
