#pragma once

#include <string>

namespace vev {

// The most significant digits a HUD number is written with: a float holds no more, and with it
// no number text can outgrow a text line.
inline constexpr int kMaxHudDigits = 9;

// `value` with `digits` significant digits (bounded to 1 ... kMaxHudDigits). Fixed form unless
// the integer part needs more digits than that; then exponent form, a mantissa, "e", a sign and
// three exponent digits. Trailing zeros of a fraction are dropped but its point stays ("12.");
// zero is "0".
std::string formatSignificant(float value, int digits);

// Three truncated digits of the whole degrees ("007", "359"), after a minus sign for a negative
// value ("-012"). Beyond 999 degrees, which no instrument gives, it shows 999.
std::string formatAngle(float degrees);

}  // namespace vev
