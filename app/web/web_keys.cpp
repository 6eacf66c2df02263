#include "app/web/web_keys.h"

#include <algorithm>
#include <iterator>

namespace vev {
namespace {

struct CodePair {
  std::string_view code;
  KeyCode key;
};

constexpr CodePair kNamedKeys[] = {
    {"Backspace", 8},
    {"Tab", 9},
    {"Enter", 13},
    {"NumpadEnter", 13},
    {"ShiftLeft", 16},
    {"ShiftRight", 16},
    {"ControlLeft", 17},
    {"ControlRight", 17},
    {"AltLeft", 18},
    {"AltRight", 18},
    {"Pause", 19},
    {"CapsLock", 20},
    {"Escape", 27},
    {"Space", 32},
    {"PageUp", 33},
    {"PageDown", 34},
    {"End", 35},
    {"Home", 36},
    {"ArrowLeft", 37},
    {"ArrowUp", 38},
    {"ArrowRight", 39},
    {"ArrowDown", 40},
    {"PrintScreen", 44},
    {"Insert", 45},
    {"Delete", 46},
    {"MetaLeft", 91},
    {"MetaRight", 91},
    {"ContextMenu", 93},
    {"NumpadMultiply", 106},
    {"NumpadAdd", 107},
    {"NumpadSubtract", 109},
    {"NumpadDecimal", 110},
    {"NumpadDivide", 111},
    {"NumLock", 144},
    {"ScrollLock", 145},
    {"Semicolon", 186},
    {"Equal", 187},
    {"Comma", 188},
    {"Minus", 189},
    {"Period", 190},
    {"Slash", 191},
    {"Backquote", 192},
    {"BracketLeft", 219},
    {"Backslash", 220},
    {"BracketRight", 221},
    {"Quote", 222},
};

// The number after `prefix` in `code` ("Digit7", "F12"), or -1.
int numberAfter(std::string_view code, std::string_view prefix) {
  if (code.size() <= prefix.size() || code.substr(0, prefix.size()) != prefix) return -1;
  int number = 0;
  for (const char c : code.substr(prefix.size())) {
    if (c < '0' || c > '9' || number > 99) return -1;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

KeyCode virtualKeyOfCode(std::string_view code) {
  if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z') {
    return static_cast<KeyCode>(code[3]);
  }
  if (const int digit = numberAfter(code, "Digit"); digit >= 0 && digit <= 9) {
    return static_cast<KeyCode>('0' + digit);
  }
  if (const int digit = numberAfter(code, "Numpad"); digit >= 0 && digit <= 9) {
    return static_cast<KeyCode>(96 + digit);
  }
  if (const int f = numberAfter(code, "F"); f >= 1 && f <= 24) {
    return static_cast<KeyCode>(111 + f);
  }
  const auto found = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                  [code](const CodePair& pair) { return pair.code == code; });
  return found == std::end(kNamedKeys) ? KeyCode{0} : found->key;
}

}  // namespace vev
