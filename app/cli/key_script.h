#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/keys.h"

namespace vev {

// One line of a key script: before frame `frame`'s tick, key `key` goes down or up.
struct KeyEvent {
  std::int64_t frame = 0;  // counted from 1
  bool down = false;
  KeyCode key = 0;
};

// Reads a script of lines "FRAME down|up KEYCODE" (virtual-key codes); blank lines and lines
// starting with "#" are skipped. Empty, with "file:line: reason" in `error`, when a line is not
// of that form or the file cannot be read. Events are returned in frame order, ties in file order.
std::optional<std::vector<KeyEvent>> readKeyScript(const std::string& path, std::string& error);

}  // namespace vev
