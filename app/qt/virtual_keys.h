#pragma once

#include <Qt>

#include "model/keys.h"

namespace vev {

// The virtual-key code the scene files bind for a Qt key, or 0 for a key they cannot name.
// Keys of the numeric keypad (Qt::KeypadModifier) give the keypad codes, 96-111, whether NumLock
// is on or off, so a keypad key released under another NumLock or Shift state than it was
// pressed under releases the same entry. Shifted symbols give the code of their unshifted key.
KeyCode virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace vev
