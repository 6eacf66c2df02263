#include "app/key_state.h"

#include "sim/key_access.h"

namespace vev {
namespace {

// The arrow a keypad key doubles as, or 0.
KeyCode arrowOfKeypadKey(KeyCode code) {
  switch (code) {
    case 100:  // keypad 4
      return 37;
    case 104:  // keypad 8
      return 38;
    case 102:  // keypad 6
      return 39;
    case 98:  // keypad 2
      return 40;
    default:
      return 0;
  }
}

void setKeyState(KeyStates& keyState, KeyCode code, std::int16_t value) {
  setKey(keyState, code, value);
  setKey(keyState, arrowOfKeypadKey(code), value);
}

}  // namespace

void keyDown(KeyStates& keyState, KeyCode code) {
  setKeyState(keyState, code, 1);
}

void keyUp(KeyStates& keyState, KeyCode code) {
  setKeyState(keyState, code, 0);
}

void releaseAllKeys(KeyStates& keyState) {
  keyState.fill(0);
}

}  // namespace vev
