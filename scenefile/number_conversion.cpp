#include "scenefile/number_conversion.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "model/c_locale_scope.h"

namespace vev {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// White space as C's isspace has it in the "C" locale.
bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t skipSpace(std::string_view text, std::size_t at) {
  while (at < text.size() && isSpace(text[at])) ++at;
  return at;
}

// Reads an optional sign at `at`; returns whether it was "-".
bool readSign(std::string_view text, std::size_t& at) {
  if (at >= text.size() || (text[at] != '+' && text[at] != '-')) return false;
  return text[at++] == '-';
}

// A decimal real as `text` spells it at `start` (after the sign): where it ends.
struct DecimalSpan {
  std::size_t end = 0;
  bool hasDigits = false;
};

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

DecimalSpan scanDecimal(std::string_view text, std::size_t start) {
  DecimalSpan span;
  std::size_t at = skipDigits(text, start);
  span.hasDigits = at > start;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = at + 1;
    at = skipDigits(text, fraction);
    span.hasDigits = span.hasDigits || at > fraction;
  }
  span.end = at;
  if (!span.hasDigits || at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return span;
  std::size_t exponentAt = at + 1;
  readSign(text, exponentAt);
  const std::size_t exponentEnd = skipDigits(text, exponentAt);
  if (exponentEnd > exponentAt) span.end = exponentEnd;
  return span;
}

constexpr double kLargestReal = std::numeric_limits<float>::max();

// The magnitude of the real at the start of the token in double precision, correctly rounded,
// infinite beyond even that, and whether it is negative.
double realMagnitude(std::string_view token, bool& negative) {
  std::size_t at = skipSpace(token, 0);
  negative = readSign(token, at);
  const DecimalSpan span = scanDecimal(token, at);
  if (!span.hasDigits) return 0.0;
  // Only the decimal number that was scanned, so "inf", "nan" and hexadecimal never reach strtod.
  const std::string digits(token.substr(at, span.end - at));
  const CLocaleScope cLocale;
  return std::strtod(digits.c_str(), nullptr);
}

}  // namespace

std::int32_t parseInteger(std::string_view token) {
  std::size_t at = skipSpace(token, 0);
  const bool negative = readSign(token, at);
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  std::int64_t magnitude = 0;
  for (; at < token.size() && isDigit(token[at]); ++at) {
    magnitude = std::min(-kMin, magnitude * 10 + (token[at] - '0'));
  }
  return static_cast<std::int32_t>(std::clamp(negative ? -magnitude : magnitude, kMin, kMax));
}

float parseReal(std::string_view token) {
  bool negative = false;
  const auto magnitude = static_cast<float>(std::min(realMagnitude(token, negative), kLargestReal));
  return negative ? -magnitude : magnitude;
}

bool isBeyondReal(std::string_view token) {
  bool negative = false;
  return realMagnitude(token, negative) > kLargestReal;
}

bool isWholeInteger(std::string_view token) {
  std::size_t at = 0;
  readSign(token, at);
  const std::size_t digits = at;
  while (at < token.size() && isDigit(token[at])) ++at;
  return at > digits && at == token.size();
}

bool isWholeReal(std::string_view token) {
  std::size_t at = 0;
  readSign(token, at);
  const DecimalSpan span = scanDecimal(token, at);
  return span.hasDigits && span.end == token.size();
}

std::int16_t saturateToInt16(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(
      value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace vev
