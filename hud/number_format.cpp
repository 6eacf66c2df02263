#include "hud/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/number_text.h"

namespace vev {
namespace {

// Drops the trailing zeros of a fraction, keeping its point.
std::string trimFraction(std::string_view number) {
  if (number.find('.') == std::string_view::npos) return std::string(number);
  const auto last = number.find_last_not_of('0');
  return std::string(number.substr(0, last + 1));
}

}  // namespace

std::string formatSignificant(float value, int digits) {
  digits = std::clamp(digits, 1, kMaxHudDigits);
  if (!std::isfinite(value)) return formatReal(value, std::chars_format::general, 1);
  if (value == 0.0f) return "0";
  // The exponent after rounding to the digits decides the form: 999.7 with 3 digits is 1.00e+03.
  const std::string scientific = formatReal(value, std::chars_format::scientific, digits - 1);
  const auto e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  if (exponent >= digits) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "e+%03d", exponent);
    return trimFraction(std::string_view(scientific).substr(0, e)) + tail;
  }
  return trimFraction(formatReal(value, std::chars_format::fixed, digits - 1 - exponent));
}

std::string formatAngle(float degrees) {
  if (std::isnan(degrees)) degrees = 0.0f;
  const float magnitude = std::min(std::fabs(degrees), 999.0f);
  const int whole = static_cast<int>(magnitude);
  std::string text = degrees < 0.0f ? "-" : "";
  text += static_cast<char>('0' + whole / 100);
  text += static_cast<char>('0' + whole / 10 % 10);
  text += static_cast<char>('0' + whole % 10);
  return text;
}

}  // namespace vev
