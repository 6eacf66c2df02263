#pragma once

#include <string_view>

#include "model/keys.h"

namespace vev {

// The virtual-key code the scene files bind for a browser key, named by its KeyboardEvent.code
// (the key's place on the keyboard, whatever the layout and the modifiers), or 0 for a key they
// cannot name. The keypad gives its own codes, 96-111, with NumLock on or off, as the desktop
// program gives them.
KeyCode virtualKeyOfCode(std::string_view code);

}  // namespace vev
