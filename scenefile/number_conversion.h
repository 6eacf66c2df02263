#pragma once

#include <cstdint>
#include <string_view>

// Numbers of a scene file, read as C's atoi and atof read the start of a token: leading white
// space, an optional sign, then decimal digits (and for reals a fraction and an exponent); the
// first other character ends the number, and a token that starts with none gives 0. Only
// decimal numbers are numbers: "inf", "nan" and hexadecimal floats give 0. Values beyond what a
// field holds saturate at its limits instead of wrapping.
namespace vev {

// The integer at the start of the token, saturated to the 32-bit range.
std::int32_t parseInteger(std::string_view token);

// The real at the start of the token; beyond the float range it saturates to the largest
// finite float, and below the smallest it gives 0.
float parseReal(std::string_view token);

// Whether the real at the start of the token is beyond the float range, so that parseReal
// saturates it.
bool isBeyondReal(std::string_view token);

// Whether the whole token is a number as written for an integer field (an optional sign and
// decimal digits), or for a real field (also a fraction and an exponent).
bool isWholeInteger(std::string_view token);
bool isWholeReal(std::string_view token);

// Narrows to a 16-bit field, saturating.
std::int16_t saturateToInt16(std::int32_t value);

}  // namespace vev
