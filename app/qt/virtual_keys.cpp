#include "app/qt/virtual_keys.h"

#include <algorithm>

namespace vev {
namespace {

struct KeyPair {
  int qtKey;
  KeyCode code;
};

// The keypad, with NumLock on (digits and operators) and off (what the digits stand for).
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_0, 96},         {Qt::Key_1, 97},        {Qt::Key_2, 98},      {Qt::Key_3, 99},
    {Qt::Key_4, 100},        {Qt::Key_5, 101},       {Qt::Key_6, 102},     {Qt::Key_7, 103},
    {Qt::Key_8, 104},        {Qt::Key_9, 105},       {Qt::Key_Insert, 96}, {Qt::Key_End, 97},
    {Qt::Key_Down, 98},      {Qt::Key_PageDown, 99}, {Qt::Key_Left, 100},  {Qt::Key_Clear, 101},
    {Qt::Key_Right, 102},    {Qt::Key_Home, 103},    {Qt::Key_Up, 104},    {Qt::Key_PageUp, 105},
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},    {Qt::Key_Delete, 110},  {Qt::Key_Slash, 111}, {Qt::Key_Enter, 13},
};

constexpr KeyPair kOtherKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // The shifted digits of the main keyboard.
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
};

template <std::size_t N>
KeyCode find(const KeyPair (&table)[N], int qtKey) {
  const auto found = std::ranges::find(table, qtKey, &KeyPair::qtKey);
  return found == std::end(table) ? KeyCode{0} : found->code;
}

}  // namespace

KeyCode virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const KeyCode code = find(kKeypadKeys, qtKey)) return code;
  }
  // Letters and digits share their codes with Qt's keys.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return static_cast<KeyCode>(qtKey);
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return static_cast<KeyCode>(112 + (qtKey - Qt::Key_F1));
  }
  return find(kOtherKeys, qtKey);
}

}  // namespace vev
